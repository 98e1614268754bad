#include "bot/profiles.h"

#include <sstream>

namespace orv::bot {

const std::vector<Profile>& profiles() {
  // newcomer: paints whatever floor is nearest and looks around before every step, so walks at a
  //   sixth of the top speed (about 1.7 cells a second); goes nowhere for a clock or a block.
  // casual: the same aim at a third of the top speed (about 3.3 cells a second).
  // expert: holds the arrows (top speed, 10 cells a second) and plans: a cell that closes a 2x2
  //   block counts as three steps nearer, one with a clock as six.
  static const std::vector<Profile> kProfiles{
      {"newcomer", Aim::kNearest, 6}, {"casual", Aim::kNearest, 3}, {"expert", Aim::kGreedy, 1}};
  return kProfiles;
}

std::optional<Profile> find_profile(const std::string& name) {
  for (const Profile& p : profiles())
    if (p.name == name) return p;
  return std::nullopt;
}

std::optional<std::vector<Profile>> parse_profiles(const std::string& list) {
  std::vector<Profile> chosen;
  std::istringstream in(list);
  for (std::string name; std::getline(in, name, ',');) {
    const auto profile = find_profile(name);
    if (!profile) return std::nullopt;
    chosen.push_back(*profile);
  }
  if (chosen.empty()) return std::nullopt;
  return chosen;
}

}  // namespace orv::bot
