#include "catalogue_check.h"

#include <set>

#include "catalogue/object_kinds.h"
#include "catalogue/tile_definitions.h"
#include "data_check.h"
#include "game/game.h"
#include "picture_check.h"
#include "sound/music.h"

namespace orv::check {
namespace {

constexpr const char* kSoundKeys[] = {"TIMERSOUND",         "DEFTILESOUND",   "FIXEDTILESOUND",
                                      "PINKTILEFIXEDSOUND", "EXPLOSIONSOUND", "QUENDRAL1",
                                      "QUENDRAL",           "REMOVETILE"};

// Reports a name that only matches with another case, or not at all.
void check_listed(DataCheck& c, const std::vector<std::string>& names, const std::string& name,
                  const std::string& file, int line, const std::string& what) {
  std::string actual;
  const Found found = find_name(names, name, &actual);
  if (found == Found::kOtherCase) {
    c.report.add(file, line,
                 what + " " + quoted(name) + " matches only " + quoted(actual) +
                     ": names are compared with their case");
  } else if (found == Found::kMissing) {
    c.report.add(file, line, what + " " + quoted(name) + " names nothing the game has");
  }
}

void check_tile_file(DataCheck& c, const std::string& path,
                     const std::vector<std::string>& graphics,
                     const std::vector<std::string>& object_names) {
  const auto pairs = read_pairs(c.g, path);
  if (!pairs) return;
  // Without its separator the object folder gives the game no objects at all: that one
  // finding explains every child name, which is not reported again.
  const bool objects_reachable = ends_with_separator(c.g.config.object_definitions_path);
  check_pairs(c.report, path, *pairs, tile_definition_keys());
  for (const Pair& p : *pairs) {
    if (p.key == "GFXNAME" && !p.value.empty()) {
      check_listed(c, graphics, p.value, path, p.line + 1, "tile graphic");
    } else if (p.key.starts_with("CHILD") && p.value != "#" && objects_reachable) {
      check_listed(c, object_names, p.value, path, p.line + 1, "child object");
    }
  }
}

}  // namespace

std::vector<std::string> check_sounds(DataCheck& c) {
  const std::string& folder = c.g.config.sound_fx_path;
  std::vector<std::string> sounds = files_of(c.g, folder, "*.ogg");
  for (const std::string& s : sounds) {
    // A file the game cannot reach by this name is explained by the folder's finding.
    if (find_path(folder + s) == Found::kMissing) continue;
    const media::SoundId h = c.g.media.sound.load_sound(folder + s);
    if (!h)
      c.report.add(folder + s, 0, "does not decode as an Ogg Vorbis sound");
    else
      c.g.media.sound.free_sound(h);
  }
  for (const char* key : kSoundKeys) {
    const Pair* p = winning_pair(c.configuration_pairs, key);
    if (p != nullptr && !p->value.empty())
      check_sound_name(c, sounds, p->value, c.configuration, p->line + 1);
  }
  return sounds;
}

void check_sound_name(DataCheck& c, const std::vector<std::string>& sounds, const std::string& name,
                      const std::string& file, int line) {
  if (find_name(sounds, name) == Found::kMissing &&
      find_name(sounds, name + ".ogg") != Found::kMissing) {
    c.report.add(
        file, line,
        "sound " + quoted(name) + " lacks its \".ogg\": sounds are known by their file names");
    return;
  }
  check_listed(c, sounds, name, file, line, "sound");
}

void check_music(DataCheck& c) {
  const std::string& folder = c.g.config.music_folder;
  if (folder.empty()) return;
  const std::vector<std::string> tracks = files_of(c.g, c.in_folder(folder), "*.ogg");
  for (const char* track : {kMenuTrack, kScoreTrack}) {
    std::string actual;
    const Found found = find_name(tracks, track, &actual);
    if (found == Found::kMissing) {
      c.add_at_key("INGAMEMUSIC", "the music folder has no " + quoted(track) +
                                      ": its screen plays no music of its own");
    } else if (found == Found::kOtherCase) {
      c.add_at_key("INGAMEMUSIC", "the music folder has " + quoted(actual) + ", not " +
                                      quoted(track) + ": track names are compared with their case");
    }
  }
}

std::vector<std::string> check_objects(DataCheck& c, const std::vector<std::string>& sounds) {
  const Config& config = c.g.config;
  std::vector<std::string> names;
  for (const std::string& picture :
       files_of(c.g, config.object_definitions_path, "*" + config.picture_extension)) {
    const std::string path = config.object_definitions_path + picture;
    if (find_path(path) == Found::kMissing) continue;  // explained by the folder's finding
    check_picture(c, path);
    const std::string definition = definition_file_of(path, config.picture_extension);
    const auto pairs = read_pairs(c.g, definition);
    if (!pairs) {
      c.report.add(path, 0,
                   "object picture without its definition file " +
                       quoted(definition.substr(config.object_definitions_path.size())));
      continue;
    }
    check_pairs(c.report, definition, *pairs, object_definition_keys());
    ObjectKind kind;
    for (const Pair& p : *pairs) apply_object_key(kind, p.key, p.value);
    names.push_back(kind.placement_text);
    const Pair* sound = winning_pair(*pairs, "DCOUNTSOUND");
    if (kind.play_touch_sound != 0 && sound != nullptr)
      check_sound_name(c, sounds, sound->value, definition, sound->line + 1);
  }
  return names;
}

void check_tiles(DataCheck& c, const std::vector<TileUse>& used,
                 const std::vector<std::string>& object_names) {
  const Config& config = c.g.config;
  const std::vector<std::string> graphics =
      files_of(c.g, config.tile_graphics_path, "*" + config.picture_extension);
  for (const std::string& g : graphics) check_picture(c, config.tile_graphics_path + g);
  if (config.level_set_name.empty()) return;  // reported with the keys
  const std::string written = config.tile_definitions_path + config.level_set_name + "\\";
  const std::string folder = c.in_folder(written);
  std::set<std::string> seen;
  for (const TileUse& u : used) {
    if (seen.insert(u.name).second && find_path(folder + u.name) == Found::kMissing)
      c.report.add(u.file, u.line,
                   "tile " + quoted(u.name) + " has no definition file in " + quoted(written));
  }
  for (const std::string& file : files_of(c.g, folder, "*"))
    check_tile_file(c, folder + file, graphics, object_names);
}

}  // namespace orv::check
