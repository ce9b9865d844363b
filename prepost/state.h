// korvanta's program-wide state: the model, its results, the view and the panel.
#pragma once

// Table limits, fixed for the whole run.
constexpr int max_nodes = 50000;
constexpr int max_element_entries = 240000;  // 80000 triangles, 60000 quadrilaterals, 30000 areas
constexpr int max_elements = max_element_entries / 3;
constexpr int max_materials = 1000;
constexpr int max_force_pairs = 75000;       // load records of one model file
constexpr int max_value_entries = 150000;    // force pairs and result rows
constexpr int level_count = 9;                // contour levels: minimum, 7 band edges, maximum
constexpr int panel_rows = 12;
constexpr int panel_cols = 3;
constexpr int tab_count = 6;

// The model in memory: the five header counts of the model file last read and
// its tables, node n at n - 1. The reader fills a second copy of it and takes
// that only once the whole file has been read, so a refused file leaves this
// one as it was.
struct Model {
    int node_count = 0, material_count = 0, element_count = 0, bound_count = 0, load_count = 0;
    float young = 0, poisson = 0, thickness = 0;  // the last material record, for the pick force
    // every material record and every element's material number, as read, so
    // that a save writes the model back as it came
    float material_young[max_materials] = {}, material_poisson[max_materials] = {},
          material_thickness[max_materials] = {};
    int element_material[max_elements] = {};
    float node_x[max_nodes] = {}, node_y[max_nodes] = {}, node_z[max_nodes] = {};
    int element_nodes[max_element_entries] = {};  // k node numbers per element, k = element_mode
    int fix_x[max_nodes] = {}, fix_y[max_nodes] = {}, fix_z[max_nodes] = {};
    float fix_value_x[max_nodes] = {}, fix_value_y[max_nodes] = {}, fix_value_z[max_nodes] = {};
    float node_force[max_value_entries] = {};  // fx of node n at 2n - 2, fy at 2n - 1
    // The nodes per element the tables were read with (8, 3 or 4): 0 before
    // any read, and again once the element mode cycle has cleared the nodes.
    // Only a model read with the current element mode may be saved.
    int read_element_mode = 0;
};

// The nodal result file last read: its rows without their numbers, pairs
// (ux, uy) or triples (sx, sy, txy or ex, ey, gxy) of node i from entry 2i or
// 3i; the one value per node the contours show; and the largest displacement
// of the last displacement file, which scales the deformed shape. The result
// reader fills a second copy and takes it only once the whole file is good.
struct NodeResults {
    float result_values[max_value_entries] = {};
    float node_scalar[max_nodes] = {};
    float max_disp = 0;
};

// Everything korvanta knows, in one object so that the logic can be run on a
// fresh copy without a window. Every value is zero until init_state sets the
// start values that are not.
struct State : Model, NodeResults {
    // Whether a result file has been read, and the contour levels of node_scalar.
    int result_source = 0;
    float contour_level[level_count] = {};

    // Window and view box.
    int window_width = 0, window_height = 0;  // as last given to reshape
    float view_xmin = 0, view_xmax = 0, view_ymin = 0, view_ymax = 0, view_zmin = 0, view_zmax = 0;
    int drag_x = 0, drag_y = 0;  // window position of the last drag step
    int pan_drag = 0, zoom_drag = 0;

    // Panel.
    int current_tab = 0;                 // 0 until a tab is hit, then 1..6
    int pushed_row = 0, pushed_col = 0;  // button of the last click until it has been drawn
    int tab_state[tab_count + 1] = {};   // tab t at t - 1: 0 normal, 1 selected
    int button_state[panel_rows][panel_cols] = {};  // 0 grey, 2 blue (chosen), -1 white

    // Modes and display switches.
    int element_mode = 0;  // nodes per element of the model file: 8 data2d.txt, 3 or 4 nalvik.txt
    int element_type = 0;  // 3 triangles or 4 quadrilaterals for the mesher and solver commands
    int model_loaded = 0, results_shown = 0, deform_on = 0;
    int shrink_on = 0, show_numbers = 0, show_bc = 0, show_loads = 0;
    int pick_fix_x = 0, pick_fix_y = 0;
    int force_state_x = 0, force_state_y = 0;  // 0 off, 1 plus, -1 minus, 2 zero
};

// Button states.
constexpr int button_grey = 0;
constexpr int button_blue = 2;
constexpr int button_white = -1;

// The start values of a run: the unit view box, column 1 of the panel white
// for good, no tab selected, block models (8 points per area) and triangles.
void init_state(State& k);
