// Structural result rows and nodal means, read back from the element files as printed.
#include "results.h"

#include <cmath>
#include <cstdio>

#include "failure.h"
#include "scan.h"
#include "workmat.h"

void awrite(OutFile& f, const double* values, int count, int n)
{
    for (int r = 1; r <= count; ++r) put_row(f.fp(), r, values + static_cast<long>(r - 1) * n, n);
}

void awrite2(OutFile& f, const double* table, int stride, int count, int n)
{
    std::printf("write_file_name = %s\n", f.name().c_str());
    for (int i = 0; i < count; ++i) put_row(f.fp(), i + 1, table + static_cast<long>(stride) * i, n);
}

void awrite_no(int number, OutFile& f, const double* m, int w, int count, int n)
{
    for (int r = 0; r < count; ++r) put_row(f.fp(), number, m + w * r, n);
}

void require_finite(const char* model, const char* record, const char* what, const double* values, int rows, int n,
                    int first)
{
    for (int r = 0; r < rows; ++r)
        for (int i = 0; i < n; ++i) {
            double v = values[static_cast<long>(r) * n + i];
            if (!std::isfinite(v))
                fail(Status::numeric, model,
                     strf("%s %d: the %s is not finite (%g): a value of the model is beyond the range of the "
                          "arithmetic",
                          record, first + r, what, v));
        }
}

void culc_node_str(OutFile& elm, int rows_per_element, const ElementNodes& mesh,
                   double* table, int stride, OutFile& node, const char* model, const char* what)
{
    setw2(table, stride, mesh.np, 4);
    elm.finish();
    std::printf("Read <%s>\n", elm.name().c_str());
    Scanner sc = Scanner::open(elm.name(), elm.temp_path());
    for (int e = 0; e < mesh.ne; ++e) {
        const int* nodes = mesh.ndn + static_cast<long>(e) * mesh.stride;
        for (int r = 0; r < rows_per_element; ++r) {
            sc.at("element row", static_cast<long>(e) * rows_per_element + r + 1);
            sc.integer("the element number");
            double s[3];
            s[0] = sc.real("the first value");
            s[1] = sc.real("the second value");
            s[2] = sc.real("the third value");
            for (int a = 0; a < mesh.k; ++a) {
                double* row = table + static_cast<long>(stride) * (nodes[a] - 1);
                row[3] += 1.0;
                row[0] += s[0];
                row[1] += s[1];
                row[2] += s[2];
            }
        }
    }
    for (int i = 0; i < mesh.np; ++i) {
        double* row = table + static_cast<long>(stride) * i;
        // a node in no element has no mean; 0/0 would print nan
        if (row[3] == 0.0) continue;
        row[0] /= row[3];
        row[1] /= row[3];
        row[2] /= row[3];
        // finite element values can still sum beyond the largest double
        require_finite(model, "node", what, row, 1, 3, i + 1);
    }
    awrite2(node, table, stride, mesh.np, 3);
}

void StructuralFiles::displacements(const double* solve, int np)
{
    require_finite(model, "node", "displacement", solve, np, 2);
    awrite(disp, solve, np, 2);
}

void StructuralFiles::average(int rows_per_element, const ElementNodes& mesh, double* table, int stride)
{
    culc_node_str(strain_elm, rows_per_element, mesh, table, stride, strain, model, "mean strain");
    culc_node_str(stress_elm, rows_per_element, mesh, table, stride, stress, model, "mean stress");
}

void StructuralFiles::commit()
{
    commit_together({&disp, &strain_elm, &stress_elm, &strain, &stress});
}
