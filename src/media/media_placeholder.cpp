// Media core placeholder until the services land.
namespace orv::media {}
