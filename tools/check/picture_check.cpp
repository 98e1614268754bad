#include "picture_check.h"

#include "data_check.h"
#include "game/game.h"
#include "media/decode/picture.h"
#include "screens/intro.h"

namespace orv::check {
namespace {

void check_folder_pictures(DataCheck& c, const std::string& folder) {
  for (const std::string& name : files_of(c.g, folder, "*.png")) check_picture(c, folder + name);
}

// A missing file is reported with the key that names it.
void check_named_picture(DataCheck& c, const std::string& path) {
  if (!path.empty() && find_path(path) != Found::kMissing) check_picture(c, path);
}

}  // namespace

std::optional<PictureSize> check_picture(DataCheck& c, const std::string& path) {
  media::Graphics& gfx = c.g.media.gfx;
  const media::SpriteId sprite = gfx.load_sprite(path);
  // A picture that is not there is reported with what names it (a key, or a folder that lacks
  // its separator), never as one that does not decode.
  if (!sprite && find_path(path) != Found::kMissing) {
    c.report.add(path, 0,
                 "picture does not load: not a PNG, JPEG, TIFF or TGA picture the game decodes, "
                 "or larger than " +
                     std::to_string(media::kMaxPictureSide) + " pixels a side");
  }
  if (!sprite) return std::nullopt;
  const PictureSize size{gfx.sprite_width(sprite), gfx.sprite_height(sprite)};
  gfx.free_sprite(sprite);
  return size;
}

void check_screen_pictures(DataCheck& c) {
  const Config& config = c.g.config;
  check_named_picture(c, config.cursor);
  check_named_picture(c, c.in_folder(config.load_intro_screen));
  for (int digit : {0, 1}) {
    const std::string name = intro_picture_name(config.load_screen, digit);
    if (name.empty()) continue;
    if (find_path(c.in_folder(name)) == Found::kMissing)
      c.add_at_key("LOADSCREEN", "loading picture " + quoted(name) + " does not exist");
    else
      check_picture(c, c.in_folder(name));
  }
  check_folder_pictures(c, config.effect_sprites_path);
  check_folder_pictures(c, c.in_folder(config.screen_sprites_path));
}

}  // namespace orv::check
