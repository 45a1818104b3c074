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
#include <type_traits>

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
    // A number above the largest long long is held unsigned: read as long long it would wrap
    // (18446744073709551615 to -1) and pass for a small one.
    const bool fits = value.is_number_unsigned()
                          ? value.get<unsigned long long>() <= static_cast<unsigned long long>(std::numeric_limits<Integer>::max())
                          : value.get<long long>() >= static_cast<long long>(std::numeric_limits<Integer>::min()) &&
                                value.get<long long>() <= static_cast<long long>(std::numeric_limits<Integer>::max());
    if (!fits)
        throw JsonError(where + " is out of range");
    return static_cast<Integer>(value.get<long long>());
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
    void Bytes(const char* key, void* field, std::size_t size) {
        const json* value = Find(key);
        if (value == nullptr)
            return;
        if (!value->is_string())
            throw JsonError(Where(key) + " must be a string of hexadecimal digits");
        FromHex(value->get<std::string>(), field, size, Where(key));
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

// Writes the fields of one JSON object, in the calls' order; the defaults are the reader's.
class ObjectWriter {
public:
    template <std::size_t N>
    void Text(const char* key, const char (&field)[N]) { PutText(m_object, key, field); }
    void Double(const char* key, double field, double) { m_object[key] = Number(field); }
    void Int(const char* key, std::int32_t field, std::int32_t) { m_object[key] = field; }
    void Colour(const char* key, std::uint32_t field) { m_object[key] = field; }
    void Bytes(const char* key, const void* field, std::size_t size) { m_object[key] = Hex(field, size); }
    template <std::size_t N>
    void Doubles(const char* key, const double (&field)[N]) {
        ordered_json array = ordered_json::array();
        for (const double value : field)
            array.push_back(Number(value));
        m_object[key] = array;
    }

    ordered_json& Object() { return m_object; }

private:
    ordered_json m_object;
};

// The fields of each record, once for both directions: `Io` is an ObjectReader filling the
// record or an ObjectWriter reading it (then the record is const).
template <typename Record, typename Type>
concept RecordOf = std::is_same_v<std::remove_const_t<Record>, Type>;

template <typename Io>
void Fields(Io& io, RecordOf<FunctionGraph> auto& f) {
    io.Text("name", f.name);
    io.Int("form", f.form, kFormY);
    io.Text("text", f.text);
    io.Double("lower", f.lower, -10);
    io.Double("upper", f.upper, 10);
    io.Colour("colour", f.colour);
    io.Int("hidden", f.hidden, 0);
    io.Int("reserved", f.reserved, 0);
}

template <typename Io>
void Fields(Io& io, RecordOf<ParametricGraph> auto& p) {
    io.Text("name", p.name);
    io.Text("text", p.text);
    io.Double("lower", p.lower, -10);
    io.Double("upper", p.upper, 10);
    io.Int("reserved", p.reserved, 0);
    io.Int("hidden", p.hidden, 0);
    io.Colour("colour", p.colour);
    io.Int("creatorKind", p.creatorKind, 2);
}

template <typename Io>
void Fields(Io& io, RecordOf<InequalityGroup> auto& g) {
    io.Text("name", g.name);
    io.Text("text", g.text);
    io.Double("xLower", g.xLower, -10);
    io.Double("xUpper", g.xUpper, 10);
    io.Double("yLower", g.yLower, -10);
    io.Double("yUpper", g.yUpper, 10);
    io.Int("precision", g.precision, kPrecisionMedium);
    io.Colour("colour", g.colour);
    io.Int("hidden", g.hidden, 0);
    io.Int("reserved", g.reserved, 0);
}

template <typename Io>
void Fields(Io& io, RecordOf<NamedConstant> auto& c) {
    io.Text("name", c.name);
    io.Double("value", c.value, 0);
    io.Bytes("reserved", c.reserved, sizeof c.reserved);
}

template <typename Io>
void Fields(Io& io, RecordOf<ViewState> auto& view) {
    io.Int("mode", view.mode, view.mode);
    io.Doubles("angles", view.angles);
    io.Doubles("speeds", view.speeds);
    io.Doubles("position", view.position);
    io.Doubles("ranges", view.ranges);
}

template <typename List>
ordered_json WriteList(const List& list) {
    ordered_json array = ordered_json::array();
    for (const auto& record : list) {
        ObjectWriter writer;
        Fields(writer, record);
        array.push_back(writer.Object());
    }
    return array;
}

// The records of one list: an array of objects, each read into a zeroed record.
template <typename Record, typename List>
void ReadList(const json& root, const char* key, List& list) {
    const auto found = root.find(key);
    if (found == root.end())
        return;
    if (!found->is_array())
        throw JsonError(std::string(key) + " must be an array");
    for (std::size_t i = 0; i < found->size(); ++i) {
        ObjectReader reader((*found)[i], std::string(key) + "[" + std::to_string(i) + "]");
        Record record{};
        Fields(reader, record);
        reader.Finish();
        list.Append(record);
    }
}

} // namespace

ordered_json WorkspaceToJson(const GraphStore& store) {
    ordered_json root;
    root["functions"] = WriteList(store.functions);
    root["parametrics"] = WriteList(store.parametrics);
    root["inequalities"] = WriteList(store.inequalities);
    root["constants"] = WriteList(store.constants);
    ObjectWriter view;
    Fields(view, store.plot.view);
    root["view"] = view.Object();
    return root;
}

bool WorkspaceFromJson(const json& root, GraphStore& store, std::string& error) {
    try {
        ObjectReader top(root, "the workspace");
        for (const char* key : {"functions", "parametrics", "inequalities", "constants"})
            top.Find(key);
        ReadList<FunctionGraph>(root, "functions", store.functions);
        ReadList<ParametricGraph>(root, "parametrics", store.parametrics);
        ReadList<InequalityGroup>(root, "inequalities", store.inequalities);
        ReadList<NamedConstant>(root, "constants", store.constants);
        if (const json* view = top.Find("view")) {
            ObjectReader reader(*view, "view");
            Fields(reader, store.plot.view);
            reader.Finish();
        }
        top.Finish();
        return true;
    } catch (const JsonError& refusal) {
        error = refusal.what();
        return false;
    }
}
