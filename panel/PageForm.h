#pragma once

#include <map>
#include <string>

// What a page's controls hold, by control id: the texts of its boxes (8-bit GBK, as records hold
// them) and which of its radio buttons are checked. A record is shown by filling a form and
// writing it into the controls, and read back from a form filled from the controls.
class PageForm {
public:
    void SetText(int id, std::string text) { m_texts[id] = std::move(text); }
    // The text of a box; empty when the form has none for it.
    const std::string& Text(int id) const;
    void SetChecked(int id, bool checked) { m_checks[id] = checked; }
    bool Checked(int id) const;

    const std::map<int, std::string>& Texts() const { return m_texts; }
    const std::map<int, bool>& Checks() const { return m_checks; }

private:
    std::map<int, std::string> m_texts;
    std::map<int, bool> m_checks;
};

inline const std::string& PageForm::Text(int id) const {
    static const std::string kEmpty;
    const auto found = m_texts.find(id);
    return found != m_texts.end() ? found->second : kEmpty;
}

inline bool PageForm::Checked(int id) const {
    const auto found = m_checks.find(id);
    return found != m_checks.end() && found->second;
}
