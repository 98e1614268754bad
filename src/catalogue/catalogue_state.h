// Object kinds and tile definitions.
#pragma once

namespace orv {

struct CatalogueState {};

}  // namespace orv
