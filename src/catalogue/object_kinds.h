// The object kind list: one kind per graphic of the object folder (WORLDGFX), with the
// properties of the definition file beside it.
#pragma once

#include <string>
#include <vector>

namespace orv {

struct Game;
struct ObjectKind;

// Frees the sprites of the list, empties it and reads the object folder again.
void load_object_kinds(Game& g);
// Every key of an object definition file the game knows, used or not.
std::vector<std::string> object_definition_keys();
// Adds the kind of one graphic of the object folder: its sprite and its definition file.
void load_object_kind(Game& g, const std::string& graphic_path);
// Applies one key/value pair of a definition file to a kind; unknown keys do nothing.
void apply_object_key(ObjectKind& kind, const std::string& key, const std::string& value);
// Frees every kind's sprite and empties the list.
void clear_object_kinds(Game& g);
// The definition file of a graphic: its path cut before the first occurrence of the picture
// extension, followed by ".dll".
std::string definition_file_of(const std::string& graphic_path, const std::string& codec);

}  // namespace orv
