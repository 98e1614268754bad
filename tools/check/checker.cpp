#include "checker.h"

#include "catalogue_check.h"
#include "configuration_check.h"
#include "data_check.h"
#include "font_check.h"
#include "frame/configuration_file.h"
#include "game/game.h"
#include "level_check.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"
#include "picture_check.h"

namespace orv::check {
namespace {

void check_all(DataCheck& c) {
  if (!check_configuration(c)) return;
  check_screen_pictures(c);
  check_font(c);
  check_music(c);
  const std::vector<std::string> sounds = check_sounds(c);
  const std::vector<std::string> objects = check_objects(c, sounds);
  check_tiles(c, check_level(c), objects);
}

}  // namespace

CheckResult check_data_folder(std::string folder) {
  if (folder.empty()) folder = "./";
  if (!folder.ends_with('/')) folder += '/';
  media::HeadlessPlatform platform;
  media::Media media(platform);
  Game g(media);
  g.frame.start_directory = folder;
  g.frame.configuration_path = folder + "DATA\\ini.txt";
  CheckResult result;
  Report report(folder);
  DataCheck c{g, report, folder, g.frame.configuration_path, {}};
  auto pairs = read_pairs(g, c.configuration);
  if (!pairs || !read_configuration_file(g, c.configuration)) return result;
  result.readable = true;
  c.configuration_pairs = std::move(*pairs);
  check_all(c);
  result.findings = report.findings();
  return result;
}

}  // namespace orv::check
