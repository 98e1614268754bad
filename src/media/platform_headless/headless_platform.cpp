// Filled in by the headless platform.
namespace orv::media {}
