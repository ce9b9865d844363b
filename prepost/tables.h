// korvanta's fixed tables: console texts, file names, commands, keys, colours and window layout.
#pragma once

#include "results.h"  // the names the solvers write their result files under

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
constexpr const char* program = "korvanta";  // in front of every refusal on standard error

// The model reader's echo and the writer's notice.
constexpr const char* input_data2d = "Input <data2d.txt> \n";
constexpr const char* input_nalvik = "Input <nalvik.txt>  \n";
constexpr const char* write_data2d = "Write <data2d.txt> \n";
constexpr const char* write_nalvik = "Write <nalvik.txt>  \n";
constexpr const char* echo_header = "%d %d %d %d %d \n";
constexpr const char* echo_material = "%d    %f %f %f\n";
constexpr const char* echo_boundary = "%d    %d %d %d    %f %f %f\n";  // node, flags x y z, values x y z
constexpr const char* echo_load = "%d  :  %f %f \n";
constexpr const char* fit_range = "wid={%f, %f}, hei={%f,%f}, zzz={%f,%f}\n";

// Picking a node: the node found, in cp932 as the console shows it
// ("該当する節点は %d です。\n"), then the force a load pick writes.
constexpr const char* pick_found = "\x8a\x59\x93\x96\x82\xb7\x82\xe9\x90\xdf\x93\x5f\x82\xcd %d \x82\xc5\x82\xb7\x81\x42\n";
constexpr const char* pick_force = "force = %e, no=%d\n";
constexpr const char* force_states = "BC F = %d %d\n";  // after a force-state button: x, then y

// Reading a nodal result file: after its own text, the type and the kind,
// then one echo row per node.
constexpr const char* result_choice = " <%d %d>\n";
constexpr const char* echo_node = "%d    ";
constexpr const char* echo_value = "%e  ";
constexpr const char* echo_last_value = "%e\n";
constexpr const char* level_range = "Range Check End ... {%f %f}\n";
constexpr const char* deform_on = "Deform Mode = ON \n";
constexpr const char* deform_off = "Deform Mode = OFF\n";
constexpr const char* no_nodes_for_results = "no model has been read, so there are no nodes to take results for";

// Why a save leaves the model file as it is.
constexpr const char* nothing_read = "no model has been read; the file is left as it was";
constexpr const char* nodes_cleared =
    "the change of element mode has cleared the nodes; read the model again; the file is left as it was";
constexpr const char* other_mode =
    "the model in memory has %d nodes per element, not %d; the file is left as it was";
}  // namespace text

// The rows of a saved model file.
namespace row {
constexpr const char* header = "%d %d %d %d %d \n";
constexpr const char* node = "%d  %f  %f\n";
constexpr const char* material = "%d %e %e %e \n";
constexpr const char* element_number = "%d  ";
constexpr const char* element_node = "%d ";
constexpr const char* element_material = " %d  \n";
constexpr const char* boundary = "%d   %d %d   %e %e\n";
constexpr const char* load = "%d   %e %e\n";
}  // namespace row

constexpr const char* data2d_file = "data2d.txt";
constexpr const char* nalvik_file = "nalvik.txt";

// The command lines the buttons run, blanks included: the shell drops them,
// the echo shows them.
enum class Command : int {
    delaunay_outline, delaunay_mesh,          // tab 1 r1 c2
    tessan_outline, tessan_mesh,              // tab 1 r1 c3
    quad_mesh1, quad_mesh2, quad_mesh3, quad_mesh4,  // tab 1 r2 c2
    mesh5_tri, mesh5_quad, mesh10_tri, mesh10_quad,  // tab 5 r1 c2, r1 c3
    solve_tri, solve_quad,                    // tab 5 r3 c2
    edit_data2d, edit_nalvik,                 // tab 4 r3 c3, tab 5 r11 c2
    count
};
static constexpr const char* command_line[] = {
    "lindrove_tri01    ", "lindrove_tri02    ",
    "tessan_tri01    ", "tessan_tri02    ",
    "lindrove_quad01   ", "lindrove_quad02   ", "lindrove_quad03   ", "lindrove_quad04   ",
    "pelmiro_const  5 0  ", "pelmiro_const  5 1  ", "pelmiro_const 10 0  ", "pelmiro_const 10 1  ",
    "nalvik_tri          ", "nalvik_quad         ",
    "notepad data2d.txt", "notepad  nalvik.txt",
};
static_assert(sizeof command_line / sizeof command_line[0] == static_cast<int>(Command::count));
constexpr int command_buffer_size = 64;
constexpr int command_echo_length = 32;  // the echo shows the command and NULs up to 32 characters

// The nodal result files of tab 6 by type: 0 displacements, 1 stresses, 2
// strains. The console names the last two by their short names.
struct ResultFile {
    const char* file;
    const char* console;  // printed before the type and the kind, no line end
    int values;           // per row
    const char* field[3];
};
constexpr int result_type_count = 3;
static constexpr ResultFile result_file[] = {
    {result_disp, "Input <result_nalvik.txt> ", 2, {"ux", "uy", nullptr}},
    {result_stress, "Input <result_stress.txt>", 3, {"sx", "sy", "txy"}},
    {result_strain, "Input <result_strain.txt>", 3, {"ex", "ey", "gxy"}},
};
static_assert(sizeof result_file / sizeof result_file[0] == result_type_count);

// What a node's row becomes: kind 0 the displacement magnitude or the
// equivalent value of a stress or strain, kinds 1 to 3 its first, second or
// third value (3 only for stresses and strains).
constexpr int result_kind_count = 4;

// The result buttons of tab 6: a button code and the type and kind it shows.
struct ResultButton {
    int code, type, kind;
};
static constexpr ResultButton result_buttons[] = {
    {12, 0, 0}, {13, 0, 0},  // displacement magnitude; 13 also switches the deformed shape
    {22, 1, 0}, {23, 2, 0},  // equivalent stress, equivalent strain
    {62, 0, 1}, {63, 0, 2},  // ux, uy
    {72, 1, 1}, {73, 1, 2}, {82, 1, 3},  // sx, sy, txy
    {92, 2, 1}, {93, 2, 2}, {102, 2, 3},  // ex, ey, gxy
};

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
constexpr Rgb mesh_colour = {1, 1, 1};
constexpr Rgb fix_x_colour = {1, 1, 0};  // a triangle below the node
constexpr Rgb fix_y_colour = {0, 1, 1};  // a triangle left of the node
constexpr Rgb force_colour = {1, 0, 0};
constexpr Rgb node_number_colour = {1, 0, 0};

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
