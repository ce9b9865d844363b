// Every console text and row form of the block mesher, in the order a run prints them.
#pragma once

namespace texts {

// command line
static constexpr char usage_with_type[] =
    "You have to exec ./pelmiro <partition_number> <mesh_type 0:tri 1:quad>\n";
static constexpr char usage_plain[] = "You have to exec ./pelmiro <partition_number>\n";

// echo of data2d.txt: each value right after it is read
static constexpr char echo_int[] = "%d\t";
static constexpr char echo_int_last[] = "%d\n";
static constexpr char echo_real[] = "%f\t";
static constexpr char echo_real_last[] = "%f\n";
static constexpr char echo_exp[] = "%e\t";

// keypoints, shared sides and lines
static constexpr char keypoint[] = "Keypoint %d is Model point %d \n";
static constexpr char contained_area[] = "Contained area %d is key (%d %d %d %d)\n";
static constexpr char common_head[] = "  Results check common line data ... %d line is \n  ";
static constexpr char common_entry[] = " %d(%d %d)";
static constexpr char init_area[] = "  Init Area %d is line(%d, %d, %d, %d)\n";
static constexpr char total_lines[] = "  Total line number is %d\n";
static constexpr char line_is[] = "line %d is elm(%d) no.%d\n";
static constexpr char lines_done[] = "  Show line no. ----------> Finished\n";
static constexpr char area_is[] = "Area %d is line(%d, %d, %d, %d)\n";
static constexpr char areas_done[] = "  Show Area no. ----------> Finished\n";

// line and area nodes, grid and elements
static constexpr char line_start[] = "  Start : Meshing Line Count\n";
static constexpr char mesh_line[] = "mesh line %d is ";
static constexpr char line_node[] = "%d(%2.3f, %2.3f) ";
static constexpr char total_line_nodes[] = "Total mesh line number is %d\n";
static constexpr char area_node[] = "Area mesh data is %d(%f, %f) \n";
static constexpr char use_lines[] = "  Use Line Number is %d %d %d %d\n";
static constexpr char number[] = "%d ";  // grid entries, point marks
static constexpr char element3[] = "Element data is %d %d %d \n";
static constexpr char element4[] = "Element data is %d %d %d %d\n";

// boundary conditions and forces
static constexpr char bc_keypoint[] = "***B.C. %d -> node %d is Keypoint\n";
static constexpr char bc_line[] = "***B.C. %d -> line %d\n";  // loads on a line too
static constexpr char line_node_row[] = "     node %d\n";
static constexpr char force_keypoint[] = "*F.C. %d -> node %d is Keypoint\n";
// on standard error: program, data2d.txt, record kind and number, model point
static constexpr char record_ignored[] =
    "%s: %s: %s %d: model point %d is neither an area corner nor a mid-side point; the record is ignored\n";

// assembler
static constexpr char end_file[] = "End ... %s\n";

}  // namespace texts

// Rows of the scratch files.
namespace rows {

static constexpr char node_number[] = "%d ";
static constexpr char node_value[] = "%e ";
static constexpr char material[] = "%d %e %f %f\n";
static constexpr char element_value[] = "%d ";
static constexpr char bound[] = "%d   %d %d   %f %f\n";
static constexpr char force[] = "%d   %f %f\n";
static constexpr char init[] = "%d %d %d %d %d\n";

}  // namespace rows

// Fields of the solver input: every value but a row's last is followed by a tab.
namespace solver_input {

static constexpr char count[] = "%d\t";
static constexpr char count_last[] = "%d\n";
static constexpr char exp[] = "%e\t";
static constexpr char exp_last[] = "%e\n";
static constexpr char fixed[] = "%f\t";
static constexpr char fixed_last[] = "%f\n";

}  // namespace solver_input

// Scratch and input file names.
namespace files {

static constexpr char data2d[] = "data2d.txt";
static constexpr char node[] = "node.txt";
static constexpr char element[] = "element.txt";
static constexpr char bound[] = "bound.txt";
static constexpr char force[] = "force.txt";
static constexpr char init[] = "init.txt";

}  // namespace files
