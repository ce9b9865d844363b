// The tables of one block-mesher run: the block model as read, its topology
// (keypoints, shared sides, lines) and the node grid of the area being meshed.
#pragma once

constexpr int max_model_points = 1000;
constexpr int max_block_materials = 9;
constexpr int max_areas = 500;
// korvanta saves one load record for every model point, so the record lists
// must hold as many entries as there are model points
constexpr int max_bc_records = max_model_points;
constexpr int max_force_records = max_model_points;
constexpr int max_keypoints = 1000;
constexpr int max_common_lines = 2000;
constexpr int max_lines = 2000;
constexpr int max_line_points = 25;
constexpr int max_partition = 20;
static_assert(max_partition + 1 <= max_line_points, "a line holds its n + 1 points");
static_assert(max_keypoints >= max_model_points, "every keypoint is a distinct model point");
static_assert(max_lines >= 4 * max_areas, "every area side is at most one line");

// data2d.txt: model points, materials, eight-point areas, and the boundary and
// load records on model points. Indices are 0-based; numbers in the file 1-based.
struct BlockModel {
    int np = 0, nm = 0, ne = 0, nb = 0, nf = 0;
    double point_x[max_model_points], point_y[max_model_points];
    double ee[max_block_materials], pp[max_block_materials], hh[max_block_materials];
    int area_point[max_areas][8];  // corner, mid, corner, mid, ... counter-clockwise
    int area_mat[max_areas];       // as read, 1-based
    // conditions and loads per model point: a later record on a point replaces the earlier
    int ix[max_model_points], iy[max_model_points];
    double u[max_model_points], v[max_model_points];
    double fx[max_model_points], fy[max_model_points];
    // the model point of every record, in file order
    int bc_point[max_bc_records];
    int force_point[max_force_records];
    // whether the record itself fixes or loads anything (a later record on the
    // same point replaces its values, not this)
    bool bc_carries[max_bc_records];
    bool force_carries[max_force_records];
};

struct CommonLine {
    int mid, area, side;  // a mid-side point met again later, with the earlier area and side
};

struct LineSide {
    int area, side;  // the area side along which a line's points are generated
};

// Which model points become keypoints, which sides two areas share, and one
// line number per distinct side.
struct Topology {
    int key_point[max_keypoints];  // model point of keypoint k; keypoint k is mesh node k + 1
    int key_count = 0;
    int area_key[max_areas][4];    // keypoint of corner j of each area
    CommonLine common_line[max_common_lines];
    int common_count = 0;
    int area_line[max_areas][4];   // line of side s of each area, 0-based
    // a side whose mid-side point another area also uses: its line number came
    // from the shared lines, and before that it showed -m (m its mid-side point)
    bool area_shared[max_areas][4];
    // the side runs its line against the line's own direction, so its border
    // takes the line's nodes in reverse order
    bool area_reversed[max_areas][4];
    LineSide line_side[max_lines];
    int line_count = 0;
    int shared_base = 0;           // lines from here on are the shared sides
    // -(k + 1) for keypoint k, the line number for a mid-side point, 0 otherwise
    int point_mark[max_model_points];
    // whether a mark of 0 or more means a line: a point in no area is 0 as well
    bool point_on_line[max_model_points];
};

// The mesh of the run: n cells along every side, the points of every line, and
// the node numbers of the area whose elements are being made.
struct MeshGrid {
    int n = 1;
    int mesh_type = 0;  // 0 two triangles per cell, 1 one quadrilateral
    double line_point[max_lines][max_line_points][2];
    int node_grid[max_partition + 1][max_partition + 1];  // 0-based nodes, row along eta
    int line_node_count = 0;   // nl
    int inner_node_count = 0;  // ni
    int cell_count = 0;
};

// Rows written to bound.txt and force.txt.
struct ConditionCounts {
    int bc_rows = 0;
    int force_rows = 0;
};
