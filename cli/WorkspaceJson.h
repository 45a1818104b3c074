#pragma once

#include <nlohmann/json.hpp>

#include <string>

class GraphStore;

// A workspace as JSON, for people and scripts: every field of every record, the constants and the
// view state. Texts are JSON strings while they are plain ASCII ended by zero bytes; any other
// field (a Chinese name in GBK, bytes left after the NUL) is written as "<field>Bytes", the
// whole field in hexadecimal, so that a workspace comes back byte for byte. Non-finite numbers
// are the strings "inf", "-inf" and "nan:<16 hex digits of the bits>".
nlohmann::ordered_json WorkspaceToJson(const GraphStore& store);

// Fills an empty store from such JSON. Missing fields take defaults (a shown graph on -10 to 10,
// colour black); unknown fields, wrong types and texts too long for their field are refused with
// a message in `error`. Colours may also be written "#RRGGBB".
bool WorkspaceFromJson(const nlohmann::json& json, GraphStore& store, std::string& error);
