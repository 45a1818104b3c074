#include "cli/WorkspaceJson.h"

#include "model/GraphStore.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// A refusal while reading JSON, with the place it happened.
struct JsonError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Hex(const void* data, std::size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<const std::uint8_t*>(data)[i];
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

void FromHex(const std::string& hex, void* data, std::size_t size, const std::string& where) {
    if (hex.size() != 2 * size)
        throw JsonError(where + " must hold " + std::to_string(2 * size) + " hexadecimal digits");
    auto value = [&](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
            return (c | 0x20) - 'a' + 10;
        throw JsonError(where + " holds a character that is not a hexadecimal digit");
    };
    for (std::size_t i = 0; i < size; ++i)
        static_cast<std::uint8_t*>(data)[i] = static_cast<std::uint8_t>(value(hex[2 * i]) * 16 + value(hex[2 * i + 1]));
}

// Whether a field is what SetFieldText would make of plain ASCII text: then a string says it all.
template <std::size_t N>
bool IsPlainText(const char (&field)[N]) {
    const std::string_view text = FieldText(field);
    if (text.size() == N)
        return false;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    for (std::size_t i = text.size(); i < N; ++i)
        if (field[i] != '\0')
            return false;
    return true;
}

template <std::size_t N>
void PutText(ordered_json& object, const char* key, const char (&field)[N]) {
    if (IsPlainText(field))
        object[key] = std::string(FieldText(field));
    else
        object[std::string(key) + "Bytes"] = Hex(field, N);
}

ordered_json Number(double value) {
    if (std::isfinite(value))
        return value;
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    return "nan:" + Hex(&value, sizeof value);
}

// "nan:" is followed by the double's eight bytes in the order the file holds them.
double NumberFrom(const json& value, const std::string& where) {
    if (value.is_number())
        return value.get<double>();
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (text == "inf")
            return std::numeric_limits<double>::infinity();
        if (text == "-inf")
            return -std::numeric_limits<double>::infinity();
        if (text == "nan")
            return std::numeric_limits<double>::quiet_NaN();
        if (text.rfind("nan:", 0) == 0) {
            double nan = 0.0;
            FromHex(text.substr(4), &nan, sizeof nan, where);
            return nan;
        }
    }
    throw JsonError(where + " must be a number, \"inf\", \"-inf\" or \"nan\"");
}

template <typename Integer>
Integer IntegerFrom(const json& value, const std::string& where) {
    if (!value.is_number_integer())
        throw JsonError(where + " must be a whole number");
    const auto number = value.get<long long>();
    if (number < static_cast<long long>(std::numeric_limits<Integer>::min()) ||
        number > static_cast<long long>(std::numeric_limits<Integer>::max()))
        throw JsonError(where + " is out of range");
    return static_cast<Integer>(number);
}

// 0x00BBGGRR, or "#RRGGBB" as people write colours.
std::uint32_t ColourFrom(const json& value, const std::string& where) {
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        std::uint8_t rgb[3];
        if (text.size() != 7 || text[0] != '#')
            throw JsonError(where + " must be a number or \"#RRGGBB\"");
        FromHex(text.substr(1), rgb, 3, where);
        return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
    }
    return IntegerFrom<std::uint32_t>(value, where);
}

// Reads the fields of one JSON object, refusing keys that no reader asked for.
class ObjectReader {
public:
    ObjectReader(const json& object, std::string where) : m_object(object), m_where(std::move(where)) {
        if (!object.is_object())
            throw JsonError(m_where + " must be an object");
    }

    const json* Find(const std::string& key) {
        m_known.push_back(key);
        const auto found = m_object.find(key);
        return found == m_object.end() ? nullptr : &*found;
    }
    std::string Where(const char* key) const { return m_where + "." + key; }

    template <std::size_t N>
    void Text(const char* key, char (&field)[N]) {
        const std::string bytesKey = std::string(key) + "Bytes";
        const json* bytes = Find(bytesKey);
        const json* text = Find(key);
        if (bytes != nullptr && text != nullptr)
            throw JsonError(m_where + " has both " + key + " and " + bytesKey);
        if (bytes != nullptr) {
            if (!bytes->is_string())
                throw JsonError(Where(bytesKey.c_str()) + " must be a string");
            FromHex(bytes->get<std::string>(), field, N, Where(bytesKey.c_str()));
            return;
        }
        std::memset(field, 0, N);
        if (text == nullptr)
            return;
        if (!text->is_string())
            throw JsonError(Where(key) + " must be a string");
        const std::string value = text->get<std::string>();
        if (value.size() > N - 1)
            throw JsonError(Where(key) + " is longer than " + std::to_string(N - 1) + " characters");
        for (const char c : value)
            if (c == '\0' || static_cast<unsigned char>(c) >= 0x80)
                throw JsonError(Where(key) + " must be plain ASCII (write other texts as " + bytesKey + ")");
        SetFieldText(field, value);
    }
    void Double(const char* key, double& field, double fallback) {
        const json* value = Find(key);
        field = value != nullptr ? NumberFrom(*value, Where(key)) : fallback;
    }
    void Int(const char* key, std::int32_t& field, std::int32_t fallback) {
        const json* value = Find(key);
        field = value != nullptr ? IntegerFrom<std::int32_t>(*value, Where(key)) : fallback;
    }
    void Colour(const char* key, std::uint32_t& field) {
        const json* value = Find(key);
        field = value != nullptr ? ColourFrom(*value, Where(key)) : 0;
    }
    template <std::size_t N>
    void Doubles(const char* key, double (&field)[N]) {
        const json* value = Find(key);
        if (value == nullptr)
            return;
        if (!value->is_array() || value->size() != N)
            throw JsonError(Where(key) + " must be an array of " + std::to_string(N) + " numbers");
        for (std::size_t i = 0; i < N; ++i)
            field[i] = NumberFrom((*value)[i], Where(key) + "[" + std::to_string(i) + "]");
    }
    void Finish() const {
        for (const auto& item : m_object.items()) {
            bool known = false;
            for (const std::string& key : m_known)
                known = known || item.key() == key;
            if (!known)
                throw JsonError(m_where + " has an unknown field \"" + item.key() + "\"");
        }
    }

private:
    const json& m_object;
    std::string m_where;
    std::vector<std::string> m_known;
};

// The records of one list: an array of objects, each read by `read`.
template <typename List, typename Read>
void ReadList(const json& root, const char* key, List& list, Read read) {
    const auto found = root.find(key);
    if (found == root.end())
        return;
    if (!found->is_array())
        throw JsonError(std::string(key) + " must be an array");
    for (std::size_t i = 0; i < found->size(); ++i) {
        ObjectReader reader((*found)[i], std::string(key) + "[" + std::to_string(i) + "]");
        list.Append(read(reader));
        reader.Finish();
    }
}

} // namespace

ordered_json WorkspaceToJson(const GraphStore& store) {
    ordered_json root;
    root["functions"] = ordered_json::array();
    for (const FunctionGraph& f : store.functions) {
        ordered_json o;
        PutText(o, "name", f.name);
        o["form"] = f.form;
        PutText(o, "text", f.text);
        o["lower"] = Number(f.lower);
        o["upper"] = Number(f.upper);
        o["colour"] = f.colour;
        o["hidden"] = f.hidden;
        o["reserved"] = f.reserved;
        root["functions"].push_back(o);
    }
    root["parametrics"] = ordered_json::array();
    for (const ParametricGraph& p : store.parametrics) {
        ordered_json o;
        PutText(o, "name", p.name);
        PutText(o, "text", p.text);
        o["lower"] = Number(p.lower);
        o["upper"] = Number(p.upper);
        o["reserved"] = p.reserved;
        o["hidden"] = p.hidden;
        o["colour"] = p.colour;
        o["creatorKind"] = p.creatorKind;
        root["parametrics"].push_back(o);
    }
    root["inequalities"] = ordered_json::array();
    for (const InequalityGroup& g : store.inequalities) {
        ordered_json o;
        PutText(o, "name", g.name);
        PutText(o, "text", g.text);
        o["xLower"] = Number(g.xLower);
        o["xUpper"] = Number(g.xUpper);
        o["yLower"] = Number(g.yLower);
        o["yUpper"] = Number(g.yUpper);
        o["precision"] = g.precision;
        o["colour"] = g.colour;
        o["hidden"] = g.hidden;
        o["reserved"] = g.reserved;
        root["inequalities"].push_back(o);
    }
    root["constants"] = ordered_json::array();
    for (const NamedConstant& c : store.constants) {
        ordered_json o;
        PutText(o, "name", c.name);
        o["value"] = Number(c.value);
        o["reserved"] = Hex(c.reserved, sizeof c.reserved);
        root["constants"].push_back(o);
    }
    const ViewState& view = store.plot.view;
    auto numbers = [](const double* values, std::size_t count) {
        ordered_json array = ordered_json::array();
        for (std::size_t i = 0; i < count; ++i)
            array.push_back(Number(values[i]));
        return array;
    };
    root["view"] = {{"mode", view.mode},
                    {"angles", numbers(view.angles, 3)},
                    {"speeds", numbers(view.speeds, 3)},
                    {"position", numbers(view.position, 3)},
                    {"ranges", numbers(view.ranges, 6)}};
    return root;
}

bool WorkspaceFromJson(const json& root, GraphStore& store, std::string& error) {
    try {
        ObjectReader top(root, "the workspace");
        for (const char* key : {"functions", "parametrics", "inequalities", "constants"})
            top.Find(key);
        ReadList(root, "functions", store.functions, [](ObjectReader& r) {
            FunctionGraph f{};
            r.Text("name", f.name);
            r.Int("form", f.form, kFormY);
            r.Text("text", f.text);
            r.Double("lower", f.lower, -10);
            r.Double("upper", f.upper, 10);
            r.Colour("colour", f.colour);
            r.Int("hidden", f.hidden, 0);
            r.Int("reserved", f.reserved, 0);
            return f;
        });
        ReadList(root, "parametrics", store.parametrics, [](ObjectReader& r) {
            ParametricGraph p{};
            r.Text("name", p.name);
            r.Text("text", p.text);
            r.Double("lower", p.lower, -10);
            r.Double("upper", p.upper, 10);
            r.Int("reserved", p.reserved, 0);
            r.Int("hidden", p.hidden, 0);
            r.Colour("colour", p.colour);
            r.Int("creatorKind", p.creatorKind, 2);
            return p;
        });
        ReadList(root, "inequalities", store.inequalities, [](ObjectReader& r) {
            InequalityGroup g{};
            r.Text("name", g.name);
            r.Text("text", g.text);
            r.Double("xLower", g.xLower, -10);
            r.Double("xUpper", g.xUpper, 10);
            r.Double("yLower", g.yLower, -10);
            r.Double("yUpper", g.yUpper, 10);
            r.Int("precision", g.precision, kPrecisionMedium);
            r.Colour("colour", g.colour);
            r.Int("hidden", g.hidden, 0);
            r.Int("reserved", g.reserved, 0);
            return g;
        });
        ReadList(root, "constants", store.constants, [](ObjectReader& r) {
            NamedConstant c{};
            r.Text("name", c.name);
            r.Double("value", c.value, 0);
            if (const json* reserved = r.Find("reserved")) {
                if (!reserved->is_string())
                    throw JsonError(r.Where("reserved") + " must be a string of hexadecimal digits");
                FromHex(reserved->get<std::string>(), c.reserved, sizeof c.reserved, r.Where("reserved"));
            }
            return c;
        });
        if (const json* view = top.Find("view")) {
            ObjectReader r(*view, "view");
            ViewState& state = store.plot.view;
            r.Int("mode", state.mode, state.mode);
            r.Doubles("angles", state.angles);
            r.Doubles("speeds", state.speeds);
            r.Doubles("position", state.position);
            r.Doubles("ranges", state.ranges);
            r.Finish();
        }
        top.Finish();
        return true;
    } catch (const JsonError& refusal) {
        error = refusal.what();
        return false;
    }
}
