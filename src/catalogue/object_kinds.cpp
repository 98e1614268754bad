#include "catalogue/object_kinds.h"

#include <algorithm>
#include <variant>

#include "catalogue/definition_file.h"
#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

struct ByteField {
  std::int8_t ObjectKind::*field;
};
using Field =
    std::variant<std::int32_t ObjectKind::*, ByteField, std::string ObjectKind::*, std::monostate>;

struct KeyDef {
  const char* key;
  Field field;
};

const KeyDef kKeys[] = {
    {"DGFXNAME", &ObjectKind::placement_text},
    {"DGFXTRANSPARENCY", &ObjectKind::alpha},
    {"DDENSITY", &ObjectKind::density},
    {"DFITTOMATRIX", ByteField{&ObjectKind::fit_to_tile}},
    {"DCOLLISION", ByteField{&ObjectKind::contact}},
    {"DHOTSPOT", &ObjectKind::anchor},
    {"DXMODE1", &ObjectKind::blend_source},
    {"DXMODE2", &ObjectKind::blend_destination},
    {"DGFXSHOW", ByteField{&ObjectKind::shown}},
    {"DCENTERFIELD", ByteField{&ObjectKind::centred_in_cell}},
    {"DKILLONCOLLISION", ByteField{&ObjectKind::consumed_on_contact}},
    {"DSCORE", &ObjectKind::points},
    {"DCOUNTTOSCORE", ByteField{&ObjectKind::count_up}},
    {"DCOUNTSOUND", &ObjectKind::touch_sound_text},
    {"DUSECOUNTSOUND", ByteField{&ObjectKind::play_touch_sound}},
    {"DISPLAYER", ByteField{&ObjectKind::player_marker}},
    {"DISENEMY", ByteField{&ObjectKind::enemy_group}},
    {"DRANDOMMOVE", &ObjectKind::step_chance},
    {"DVELOX", &ObjectKind::steps_per_tile_x},
    {"DVELOY", &ObjectKind::steps_per_tile_y},
    {"DAILEVEL", ByteField{&ObjectKind::behaviour}},
    {"DDMOVE", &ObjectKind::activity_chance},
    {"DCHANGEDIRECTION", &ObjectKind::turn_chance},
    {"DISGOODY", ByteField{&ObjectKind::goody}},
    {"DEXTRATIME", &ObjectKind::extra_time},
    {"DROTATE", &ObjectKind::rotation_step},
    {"DMOVEX", std::monostate{}},
    {"DMOVEY", std::monostate{}},
    {"DLIFETIME", std::monostate{}},
    {"DPOWERUP", std::monostate{}},
};

struct Apply {
  ObjectKind& kind;
  const std::string& value;
  void operator()(std::int32_t ObjectKind::*f) const { kind.*f = media::val(value); }
  void operator()(ByteField f) const { kind.*(f.field) = low_byte(media::val(value)); }
  void operator()(std::string ObjectKind::*f) const { kind.*f = value; }
  void operator()(std::monostate) const {}
};

}  // namespace

void load_object_kind(Game& g, const std::string& graphic_path) {
  ObjectKind& kind = g.catalogue.kinds.emplace_back();
  kind.sprite = g.media.gfx.load_sprite(graphic_path);
  media::Files& files = g.media.files;
  const media::FileId file =
      files.read_file(definition_file_of(graphic_path, g.config.picture_extension));
  if (file) {
    read_line_pairs(g, file, [&kind](const std::string& key, const std::string& value) {
      apply_object_key(kind, key, value);
    });
    files.close_file(file);
  }
  kind.placement_name = g.world.names.intern(kind.placement_text);
  kind.touch_sound = g.world.names.intern(kind.touch_sound_text);
}

std::vector<std::string> object_definition_keys() {
  std::vector<std::string> keys;
  for (const KeyDef& k : kKeys) keys.emplace_back(k.key);
  return keys;
}

void apply_object_key(ObjectKind& kind, const std::string& key, const std::string& value) {
  for (const KeyDef& k : kKeys) {
    if (key != k.key) continue;
    std::visit(Apply{kind, value}, k.field);
    // A kind named "#" or nothing is never placed through a tile's child slots.
    if (key == "DGFXNAME" && (value.empty() || value == "#")) kind.placement_text = "NOPE";
    return;
  }
}

std::string definition_file_of(const std::string& graphic_path, const std::string& codec) {
  std::size_t cut = codec.empty() ? std::string::npos : graphic_path.find(codec);
  // The folder scan matches the extension without regard to case, so "A.PNG" is listed for
  // ".png" though the text does not occur: cut where the matched extension begins.
  if (cut == std::string::npos && graphic_path.size() >= codec.size())
    cut = graphic_path.size() - codec.size();
  return graphic_path.substr(0, cut) + ".dll";
}

void clear_object_kinds(Game& g) {
  for (const ObjectKind& kind : g.catalogue.kinds)
    if (g.media.gfx.is_sprite(kind.sprite)) g.media.gfx.free_sprite(kind.sprite);
  g.catalogue.kinds.clear();
}

void load_object_kinds(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  clear_object_kinds(g);
  g.media.gfx.transparent_sprite_colour(media::kNewSprites, media::rgb(255, 255, 255));
  const std::string& folder = g.config.object_definitions_path;
  g.media.folders.for_each_file(
      folder, "*" + g.config.picture_extension,
      [&g, &folder](const std::string& name) { load_object_kind(g, folder + name); });
}

}  // namespace orv
