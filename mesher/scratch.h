// Row writers of the mesher's scratch files (node.txt, element.txt, bound.txt,
// force.txt, init.txt). Each call opens its file, writes and closes it again;
// a file that cannot be opened or written is an output Failure. The rows of a
// run go to the temporary file beside each scratch file (temp_name), and the
// files take their places only when the run has made its solver input.
#pragma once

// The five scratch files of one run: a run that fails or is stopped leaves the
// earlier ones as they were, as it leaves the earlier solver input.
class ScratchFiles {
public:
    ScratchFiles();   // refuses a scratch file that a directory is in the way of
    ~ScratchFiles();  // removes the rows of a run that did not commit
    ScratchFiles(const ScratchFiles&) = delete;
    ScratchFiles& operator=(const ScratchFiles&) = delete;

    void commit();  // moves every file into place

    static constexpr int count = 5;  // node.txt, element.txt, bound.txt, force.txt, init.txt

private:
    bool committed_[count] = {};
};

// Creates the scratch file (its rows of this run) empty.
void nwrite(const char* file);

// One line "nodes materials elements boundary-rows force-rows" (file truncated first).
void write_init(const char* file, int nodes, int materials, int elements, int bc_rows, int force_rows);

// The material lines numbered 1..count (file truncated first).
void write_materials(const char* file, int count, const double* ee, const double* pp, const double* hh);

// rows of cols values, row r led by r + 1: one element row is led by 1.
void append_element(const char* file, const int* values, int rows, int cols);

// rows of cols coordinates, each led by the node number.
void append_node(int number, const char* file, const double* values, int rows, int cols);

void append_bound(int node, const char* file, int ix, int iy, double u, double v);
void append_force(int node, const char* file, double fx, double fy);
