// Row writers of the structural result files and the nodal averaging of element rows.
#pragma once
#include "outfile.h"

// The five structural result files, named as korvanta reads them.
constexpr const char* result_disp = "result_nalvik.txt";
constexpr const char* result_strain_elm = "result_nalvik_strain_elm.txt";
constexpr const char* result_stress_elm = "result_nalvik_stress_elm.txt";
constexpr const char* result_strain = "result_nalvik_strain.txt";
constexpr const char* result_stress = "result_nalvik_stress.txt";

// count rows numbered 1.. of n values each, taken consecutively from values.
void awrite(OutFile& f, const double* values, int count, int n);
// Prints "write_file_name = <name>"; count rows numbered 1.., row i holding
// columns 0..n-1 of row i of a table whose rows are `stride` long.
void awrite2(OutFile& f, const double* table, int stride, int count, int n);
// count rows all numbered `number`, from the rows of a work matrix of row length w.
void awrite_no(int number, OutFile& f, const double* m, int w, int count, int n);

// Element connectivity as the averaging sees it: element e has nodes
// ndn[e * stride + 0 .. k-1], 1-based.
struct ElementNodes {
    const int* ndn;
    int stride, k, ne, np;
};

// Refuses results that are not finite as a numerical breakdown of the model:
// "%e" would write them as inf or nan, which no reader of the result files
// takes. They come from a model beyond the range of the arithmetic (a
// coordinate, modulus, load or prescribed value near 1e308). `rows` rows of n
// values, numbered from `first`: "node 3: the displacement is not finite (inf)".
void require_finite(const char* model, const char* record, const char* what, const double* values, int rows, int n,
                    int first = 1);

// Reads an element file back (rows_per_element rows of three values per element,
// as printed) and writes the plain mean at each node to `node`; a node in no
// element gets zeros. `table` (np rows of `stride` >= 4 columns) is scratch.
// A mean that is not finite is refused as a breakdown of `model`.
void culc_node_str(OutFile& elm, int rows_per_element, const ElementNodes& mesh,
                   double* table, int stride, OutFile& node, const char* model, const char* what);

// The four strain and stress files of one run, committed together with the
// displacement file so that a failed run leaves the previous five untouched.
struct StructuralFiles {
    explicit StructuralFiles(const char* model_file) : model(model_file) {}

    const char* model;  // the model the results come from
    OutFile disp{result_disp};
    OutFile strain_elm{result_strain_elm};
    OutFile stress_elm{result_stress_elm};
    OutFile strain{result_strain};
    OutFile stress{result_stress};

    // The displacement rows, refused when not finite.
    void displacements(const double* solve, int np);
    // Nodal means of both element files, in the console order of the suite.
    void average(int rows_per_element, const ElementNodes& mesh, double* table, int stride);
    void commit();
};
