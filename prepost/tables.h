// korvanta's fixed tables: console texts, keys, colours and window layout.
#pragma once

// Console lines, exactly as korvanta prints them.
namespace text {
constexpr const char* pushed_button = "Pushed Button %d %d\n";
constexpr const char* mouse_state = "Mouse state : {%d %d} button=%d state=%d\n";
constexpr const char* click_button = "Click Button is [ %d ] Tab Button is [%d]\n";
constexpr const char* go_to_tab4 = "Go to tab4(%d %d)\n";
constexpr const char* legend_max = "Max=";
constexpr const char* legend_min = "Min=";
constexpr const char* save_bc = "Save BC";  // the one entry of the middle-button menu
constexpr const char* default_title = "korvanta";
}  // namespace text

struct Rgb {
    float r, g, b;
};

// The eight contour bands, lowest values first; the tabs borrow entries 1 to 6.
constexpr int band_count = 8;
static constexpr Rgb band_colour[band_count] = {
    {0, 0, 1},
    {0, 0.752941f, 0.752941f},
    {0, 0.878431f, 0.50196f},
    {0, 1, 0},
    {1, 1, 0},
    {0.878431f, 0.752941f, 0},
    {0.878431f, 0.50196f, 0},
    {1, 0, 0},
};
static_assert(sizeof band_colour / sizeof band_colour[0] == band_count);

constexpr Rgb tab_selected_colour = {1, 0, 0};
constexpr Rgb button_grey_colour = {0.5f, 0.5f, 0.5f};
constexpr Rgb button_blue_colour = {0, 0, 1};
constexpr Rgb button_white_colour = {1, 1, 1};
constexpr Rgb label_colour = {0, 0, 0};
constexpr Rgb axis_colour[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};  // x, y, z

// What a key or a menu entry does.
enum class Action { none, quit, save };

struct KeyBinding {
    unsigned char key;
    Action action;
};
static constexpr KeyBinding key_bindings[] = {
    {27, Action::quit}, {'q', Action::quit}, {'Q', Action::quit},
    {'s', Action::save}, {'S', Action::save},
};
constexpr int menu_save_bc = 1;  // value of the "Save BC" entry

// Window layout in pixels: the panel takes the left 225 columns, the tab strip
// the top 50 rows of them.
namespace layout {
constexpr int window_width = 675, window_height = 500;
constexpr int window_x = 60, window_y = 60;
constexpr int panel_left = 10, panel_width = 205;
constexpr int panel_bottom = 5;
constexpr int tab_strip_height = 45;
constexpr int model_left = 225;  // first column of the model square
constexpr int top_strip = 50;    // rows above the model square and the panel
// Column edges of the hit test: column 1 below 80, column 2 below 150, column 3 below 215.
constexpr int column_end[3] = {80, 150, 215};
constexpr int upper_tab_end = 27;  // rows above it hit tabs 4 to 6, the rest of the strip 1 to 3
}  // namespace layout

// Mouse buttons and states as the windowing library numbers them (the console
// prints these numbers).
namespace mouse_code {
constexpr int left_button = 0, middle_button = 1, right_button = 2;
constexpr int down = 0, up = 1;
constexpr int active_ctrl = 2;  // modifier state of Ctrl held alone
}  // namespace mouse_code
