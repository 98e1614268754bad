// Keeps the game library non-empty until the subsystems land.
namespace orv {
void game_placeholder() {}
}  // namespace orv
