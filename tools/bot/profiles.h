// Three kinds of player the bot stands in for, from a newcomer to an expert. A profile is how a
// player picks the next cell to paint and how fast they walk there.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input/autopilot.h"

namespace orv::bot {

struct Profile {
  std::string name;
  Aim aim = Aim::kNearest;
  int pace = 1;  // 1 walks at top speed; n rests n - 1 steps' time on every cell it reaches
};

// newcomer, casual and expert, from the slowest to the fastest.
const std::vector<Profile>& profiles();

// The profile of that name; nullopt for an unknown name.
std::optional<Profile> find_profile(const std::string& name);

// Profiles from a comma-separated list of names ("newcomer,expert"); nullopt when a name is
// unknown or the list is empty.
std::optional<std::vector<Profile>> parse_profiles(const std::string& list);

}  // namespace orv::bot
