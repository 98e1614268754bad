// The red progress bar near the bottom of the screen while a level is built or loaded.
#pragma once

namespace orv {

struct Game;

// One cell of a generated level of the given extent; shows the bar every 2 x max_x + 1 cells.
void show_build_progress(Game& g, int max_x, int max_y);
// One cell of a level file; shows the bar at the first cell and then every 501st.
void show_file_progress(Game& g, int max_x, int max_y);
// Draws the bar as it stands into the back buffer, without showing it.
void draw_progress_bar(Game& g);

}  // namespace orv
