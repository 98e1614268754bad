// Checks of DATA/ini.txt: its pairs, its numbers, and the folders and files its keys name.
#pragma once

namespace orv::check {

struct DataCheck;

// Returns false when the configuration's pairs are shifted: every setting after the shift is
// misread, so nothing that depends on them is worth checking.
bool check_configuration(DataCheck& c);

}  // namespace orv::check
