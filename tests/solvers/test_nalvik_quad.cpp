// nalvik_quad end to end: the console echo and four Gauss-point rows per element
// byte for byte, fields the bilinear element reproduces exactly, the patch test,
// a cantilever against beam theory, refusals of broken input, and the structured
// road from the block mesher.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "model_text.h"
#include "patch_test.h"
#include "refusals.h"
#include "result_rows.h"
#include "sandbox.h"

namespace {

// Two unit squares side by side on x = -1..1, every node prescribed on u = x,
// v = 0, E = 0.75 and nu = 0.5 (so E / (1 - nu^2) = 1): strain (1, 0, 0) and
// stress (1, 0.5, 0) at every Gauss point, every number exact in binary. The
// load on node 4 meets fixed equations and is overwritten.
const char* const strip =
    "6 1 2 6 1\n"
    "1 -1 0\n2 0 0\n3 1 0\n4 1 1\n5 0 1\n6 -1 1\n"
    "1 0.75 0.5 1\n"
    "1 1 2 5 6 1\n2 2 3 4 5 1\n"
    "1 1 1 -1 0\n2 1 1 0 0\n3 1 1 1 0\n4 1 1 1 0\n5 1 1 0 0\n6 1 1 -1 0\n"
    "4 2 3\n";

const char* const strip_echo =
    "6\t1\t2\t6\t1\n"
    "1\t-1.000000\t0.000000\n"
    "2\t0.000000\t0.000000\n"
    "3\t1.000000\t0.000000\n"
    "4\t1.000000\t1.000000\n"
    "5\t0.000000\t1.000000\n"
    "6\t-1.000000\t1.000000\n"
    "1\t7.500000e-01\t0.500000\t1.000000\n"
    "1\t1\t2\t5\t6\t1\n"
    "2\t2\t3\t4\t5\t1\n"
    "1\t1\t1\t-1.000000\t0.000000\n"
    "2\t1\t1\t0.000000\t0.000000\n"
    "3\t1\t1\t1.000000\t0.000000\n"
    "4\t1\t1\t1.000000\t0.000000\n"
    "5\t1\t1\t0.000000\t0.000000\n"
    "6\t1\t1\t-1.000000\t0.000000\n"
    "4\t2.000000\t3.000000\n"
    "Read <result_nalvik_strain_elm.txt>\n"
    "write_file_name = result_nalvik_strain.txt\n"
    "Read <result_nalvik_stress_elm.txt>\n"
    "write_file_name = result_nalvik_stress.txt\n";

std::string repeat(const std::string& row, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i) s += row;
    return s;
}

// Rows numbered 1..count, each with the same values.
std::string numbered(const std::string& values, int count)
{
    std::string s;
    for (int i = 1; i <= count; ++i) s += std::to_string(i) + " " + values;
    return s;
}

const std::string strip_files[5] = {
    "1 -1.000000e+00 0.000000e+00 \n"
    "2 0.000000e+00 0.000000e+00 \n"
    "3 1.000000e+00 0.000000e+00 \n"
    "4 1.000000e+00 0.000000e+00 \n"
    "5 0.000000e+00 0.000000e+00 \n"
    "6 -1.000000e+00 0.000000e+00 \n",
    repeat("1 1.000000e+00 0.000000e+00 0.000000e+00 \n", 4) +
        repeat("2 1.000000e+00 0.000000e+00 0.000000e+00 \n", 4),
    repeat("1 1.000000e+00 5.000000e-01 0.000000e+00 \n", 4) +
        repeat("2 1.000000e+00 5.000000e-01 0.000000e+00 \n", 4),
    numbered("1.000000e+00 0.000000e+00 0.000000e+00 \n", 6),
    numbered("1.000000e+00 5.000000e-01 0.000000e+00 \n", 6),
};

// A cantilever strip for the refusals: left edge held, pulled at the right.
const char* const held_strip =
    "6 1 2 2 2\n"
    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 1 1\n6 0 1\n"
    "1 1000 0.3 1\n"
    "1 1 2 5 6 1\n2 2 3 4 5 1\n"
    "1 1 1 0 0\n6 1 1 0 0\n"
    "3 0.5 0\n4 0.5 0\n";

}  // namespace

TEST(NalvikQuad, EchoAndGaussRowsByteForByte)
{
    // four rows per element in both element files; a second run rewrites every
    // file, leaving one run's rows
    expect_exact_results("nalvik_quad", strip, strip_echo, {strip_files, strip_files + 5});
}

TEST(NalvikQuad, GaussRowsInOrderAndNodalMeansWithoutExtrapolation)
{
    // u = x y, v = 0 on two unit squares (x = 0..2) is bilinear, so the element
    // holds it exactly: strain (y, 0, x) at every Gauss point. With c = 1 and
    // nu = 0.5, stress (y, y / 2, x / 4). Node 7 lies in no element, held both ways.
    Sandbox box;
    box.write("nalvik.txt",
              "7 1 2 7 0\n"
              "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 1 1\n6 0 1\n7 5 5\n"
              "1 0.75 0.5 1\n"
              "1 1 2 5 6 1\n2 2 3 4 5 1\n"
              "1 1 1 0 0\n2 1 1 0 0\n3 1 1 0 0\n4 1 1 2 0\n5 1 1 1 0\n6 1 1 0 0\n7 1 1 0 0\n");
    RunResult r = box.run("nalvik_quad");
    ASSERT_EQ(r.status, 0) << r.err;

    // Gauss points xi outer, eta inner: (-g,-g), (-g,+g), (+g,-g), (+g,+g);
    // at local -g the square's coordinate is (1 - g) / 2, at +g (1 + g) / 2
    const double g = 0.5773502692, lo = (1 - g) / 2, hi = (1 + g) / 2;
    const double gx[4] = {lo, lo, hi, hi}, gy[4] = {lo, hi, lo, hi};
    Rows strain = rows(box.read("result_nalvik_strain_elm.txt"), 3);
    Rows stress = rows(box.read("result_nalvik_stress_elm.txt"), 3);
    ASSERT_EQ(strain.value.size(), 8u);
    ASSERT_EQ(stress.value.size(), 8u);
    for (int e = 0; e < 2; ++e)
        for (int p = 0; p < 4; ++p) {
            int row = 4 * e + p;
            double x = e + gx[p], y = gy[p];
            EXPECT_EQ(strain.number[row], e + 1);
            EXPECT_EQ(stress.number[row], e + 1);
            EXPECT_NEAR(strain.value[row][0], y, 1e-6) << "element " << e + 1 << ", point " << p + 1;
            EXPECT_NEAR(strain.value[row][1], 0.0, 1e-12) << "element " << e + 1 << ", point " << p + 1;
            EXPECT_NEAR(strain.value[row][2], x, 1e-6) << "element " << e + 1 << ", point " << p + 1;
            EXPECT_NEAR(stress.value[row][0], y, 1e-6) << "element " << e + 1 << ", point " << p + 1;
            EXPECT_NEAR(stress.value[row][1], y / 2, 1e-6) << "element " << e + 1 << ", point " << p + 1;
            EXPECT_NEAR(stress.value[row][2], x / 4, 1e-6) << "element " << e + 1 << ", point " << p + 1;
        }

    // every node takes the plain mean of the rows of its elements: x averages to
    // 0.5 over element 1, 1.5 over element 2, and 1.0 at nodes 2 and 5, which
    // see all eight rows; y averages to 0.5 everywhere, not to the value at the
    // nearest Gauss point; node 7 gets zeros
    const double mean_x[7] = {0.5, 1.0, 1.5, 1.5, 1.0, 0.5, 0.0};
    Rows node_strain = rows(box.read("result_nalvik_strain.txt"), 3);
    Rows node_stress = rows(box.read("result_nalvik_stress.txt"), 3);
    ASSERT_EQ(node_strain.value.size(), 7u);
    for (int n = 0; n < 7; ++n) {
        double y = n < 6 ? 0.5 : 0.0;
        EXPECT_NEAR(node_strain.value[n][0], y, 1e-6) << "node " << n + 1;
        EXPECT_NEAR(node_strain.value[n][2], mean_x[n], 1e-6) << "node " << n + 1;
        EXPECT_NEAR(node_stress.value[n][1], y / 2, 1e-6) << "node " << n + 1;
        EXPECT_NEAR(node_stress.value[n][2], mean_x[n] / 4, 1e-6) << "node " << n + 1;
    }
    EXPECT_NE(box.read("result_nalvik_strain.txt").find("7 0.000000e+00 0.000000e+00 0.000000e+00 \n"),
              std::string::npos);
}

TEST(NalvikQuad, SmallStrainsAreWrittenAsComputed)
{
    // u = 5e-11 x on the unit square: below the triangles' 1e-10 rule, written anyway
    Sandbox box;
    box.write("nalvik.txt",
              "4 1 1 4 0\n1 0 0\n2 1 0\n3 1 1\n4 0 1\n1 1 0 1\n1 1 2 3 4 1\n"
              "1 1 1 0 0\n2 1 1 5e-11 0\n3 1 1 5e-11 0\n4 1 1 0 0\n");
    RunResult r = box.run("nalvik_quad");
    ASSERT_EQ(r.status, 0) << r.err;
    Rows strain = rows(box.read("result_nalvik_strain_elm.txt"), 3);
    ASSERT_EQ(strain.value.size(), 4u);
    for (const auto& v : strain.value) EXPECT_NEAR(v[0], 5e-11, 1e-17);
    Rows stress = rows(box.read("result_nalvik_stress_elm.txt"), 3);
    for (const auto& v : stress.value) EXPECT_NEAR(v[0], 5e-11, 1e-17);
}

TEST(NalvikQuad, PatchTestOfDistortedQuadrilateralsBoundaryFirst)
{
    // a linear displacement field prescribed on every boundary node of a grid of
    // distorted (still convex) quadrilaterals numbered boundary first: every
    // Gauss row and every nodal mean must show the field's exact strain, and
    // every element has four rows carrying its number
    Grid g = distorted_patch(true);
    Sandbox box;
    box.write("nalvik.txt", g.model.text());
    RunResult r = box.run("nalvik_quad");
    ASSERT_EQ(r.status, 0) << r.err;
    expect_exact_patch_results(g, box, 4);
}

namespace {

// A cantilever of nx by ny square-celled quadrilaterals, L by h, clamped at
// x = 0 (every node of that edge held both ways), with a total downward shear P
// at x = L distributed parabolically over the depth as consistent nodal loads.
// Nodes run up each column, so the band stays narrow.
ModelText cantilever(int nx, int ny, double L, double h, double E, double nu, double P)
{
    ModelText m;
    auto node = [&](int i, int j) { return i * (ny + 1) + j + 1; };
    for (int i = 0; i <= nx; ++i)
        for (int j = 0; j <= ny; ++j) m.nodes.push_back({L * i / nx, h * j / ny});
    m.materials.push_back({E, nu, 1.0});
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) m.elements.push_back({{node(i, j), node(i + 1, j), node(i + 1, j + 1), node(i, j + 1)}, 1});
    for (int j = 0; j <= ny; ++j) m.bounds.push_back({node(0, j), 1, 1, 0.0, 0.0});
    // tau(y) = 6 P y (h - y) / h^3 integrates to P; tau times a linear shape
    // function is cubic, so Simpson's rule on each edge segment is exact
    auto tau = [&](double y) { return 6 * P * y * (h - y) / (h * h * h); };
    std::vector<double> fy(ny + 1, 0.0);
    for (int j = 0; j < ny; ++j) {
        double y0 = h * j / ny, y1 = h * (j + 1) / ny, ym = (y0 + y1) / 2, len = y1 - y0;
        fy[j] += len / 6 * (tau(y0) * 1 + 4 * tau(ym) * 0.5);
        fy[j + 1] += len / 6 * (4 * tau(ym) * 0.5 + tau(y1) * 1);
    }
    for (int j = 0; j <= ny; ++j) m.loads.push_back({node(nx, j), 0.0, -fy[j]});
    return m;
}

}  // namespace

TEST(NalvikQuad, CantileverApproachesBeamTheoryFromBelow)
{
    // L = 10, h = 1, t = 1, E = 1000, nu = 0.3, P = 1: beam theory with shear,
    // P L^3 / (3 E I) + P L / (k G A) with k = 5/6, gives 4 + 0.0312 = 4.0312.
    // Fully integrated bilinear elements lock somewhat in bending (parasitic
    // shear), so the tip moves less, and less so as the cells get smaller.
    const double L = 10, h = 1, E = 1000, nu = 0.3, P = 1;
    const double I = h * h * h / 12, G = E / (2 * (1 + nu));
    const double beam = P * L * L * L / (3 * E * I) + P * L / (5.0 / 6.0 * G * h);
    double previous = 0;
    for (int ny : {1, 2, 4, 8}) {
        int nx = 10 * ny;
        Sandbox box;
        box.write("nalvik.txt", cantilever(nx, ny, L, h, E, nu, P).text());
        RunResult r = box.run("nalvik_quad");
        ASSERT_EQ(r.status, 0) << r.err;
        Rows disp = rows(box.read("result_nalvik.txt"), 2);
        ASSERT_EQ(disp.value.size(), static_cast<size_t>((nx + 1) * (ny + 1)));
        double tip = 0;  // mean deflection of the free end's nodes
        for (int j = 0; j <= ny; ++j) tip += -disp.value[nx * (ny + 1) + j][1];
        tip /= ny + 1;
        double ratio = tip / beam;
        std::printf("cantilever %d x %d quadrilaterals: tip %.5f, beam theory %.5f, ratio %.4f\n", nx, ny, tip,
                    beam, ratio);
        EXPECT_LT(ratio, 1.0) << nx << " x " << ny;
        EXPECT_GT(ratio, previous) << nx << " x " << ny << " must come closer than the coarser mesh";
        previous = ratio;
    }
    EXPECT_GT(previous, 0.98) << "the finest mesh must come within 2 % of beam theory";
}

TEST(NalvikQuad, BrokenInputIsRefusedAndEarlierResultsStay)
{
    const std::string tidy = held_strip;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = tidy;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::string rigid = " has no stiffness: it is in no element, or the structure is not held against rigid motion";
    const std::vector<Refusal> cases = {
        {"missing file", "", 2, "nalvik.txt: cannot be opened: No such file or directory"},
        {"truncated before the fourth node", tidy.substr(0, tidy.find("2 2 3 4") + 7), 2,
         "nalvik.txt: element 2: the file ends before node 4"},
        {"read as triangles would be", replaced("1 1 2 5 6 1\n2 2 3 4 5 1\n", "1 1 2 5 1\n2 2 3 4 1\n"), 2,
         "nalvik.txt: element 1: material 2 is not in 1..1"},
        {"word for a number", replaced("3 2 0\n", "3 2 x0\n"), 2,
         "nalvik.txt: node record 3: expected a real for y, found 'x0'"},
        {"fourth node out of range", replaced("2 2 3 4 5 1", "2 2 3 4 7 1"), 2,
         "nalvik.txt: element 2: node 7 is not in 1..6"},
        {"material out of range", replaced("2 2 3 4 5 1", "2 2 3 4 5 2"), 2,
         "nalvik.txt: element 2: material 2 is not in 1..1"},
        {"too many elements", "6 1 3001 0 0\n", 2, "nalvik.txt: header: the element count 3001 is over the limit of 3000"},
        {"collapsed quadrilateral", replaced("2 2 3 4 5 1", "2 2 3 3 2 1"), 3,
         "nalvik.txt: element 2: nodes 2 3 3 2: the Jacobian determinant is 0 at Gauss point 1 (a collapsed "
         "quadrilateral)"},
        {"bow-tie", replaced("2 2 3 4 5 1", "2 2 3 5 4 1"), 3,
         "nalvik.txt: element 2: nodes 2 3 5 4: the Jacobian determinant changes sign between Gauss points 1 "
         "and 2 (a twisted or badly non-convex quadrilateral)"},
        {"node in no element left free", replaced("6 1 2 2 2\n", "7 1 2 2 2\n").insert(tidy.find("1 1000"), "7 3 3\n"),
         3, "nalvik.txt: node 7 x" + rigid},
        {"held in x only", replaced("1 1 1 0 0\n6 1 1 0 0", "1 1 0 0 0\n6 1 0 0 0"), 3, rigid},
        {"result file cannot be written", replaced("3 0.5 0\n4 0.5 0", "3 1.5 0\n4 1.5 0"), 5,
         "result_nalvik_strain_elm.txt: cannot be written: Is a directory", "result_nalvik_strain_elm.txt"},
        // results beyond the largest double would be written as inf or nan
        {"a prescribed displacement near the largest double", replaced("1 1 1 0 0", "1 1 1 1e308 0"), 4,
         "node 2: the displacement is not finite ("},
        {"a load near the largest double", replaced("3 0.5 0\n", "3 1e308 0\n"), 4,
         "element 1: the stress is not finite (inf): a value of the model is beyond the range of the arithmetic"},
    };
    expect_refusals("nalvik_quad", "nalvik.txt", held_strip, cases);
}

namespace {

// The block models that ship with the suite, examples/*/data2d.txt, in name order.
std::vector<std::string> example_block_models()
{
    std::vector<std::string> found;
    const std::string dir = std::string(SUITE_SOURCE_DIR) + "/examples";
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* ent = readdir(d)) {
            std::string path = dir + "/" + ent->d_name + "/data2d.txt";
            struct stat st;
            if (ent->d_name[0] != '.' && stat(path.c_str(), &st) == 0) found.push_back(path);
        }
        closedir(d);
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool built(const std::string& program)
{
    struct stat st;
    return stat(bin_path(program).c_str(), &st) == 0;
}

}  // namespace

TEST(StructuredRoad, BlockModelMeshedIntoQuadrilateralsIsAnalysed)
{
    if (!built("pelmiro_const"))
        GTEST_SKIP() << "bin/pelmiro_const is not built: the block mesher has not landed, so the structured "
                        "road with quadrilaterals (pelmiro_const 5 1, then nalvik_quad) cannot run yet";
    const auto models = example_block_models();
    ASSERT_FALSE(models.empty()) << "no examples/*/data2d.txt to mesh";
    for (const std::string& path : models) {
        Sandbox box;
        box.write("data2d.txt", read_file(path));
        RunResult mesh = box.run("pelmiro_const", {"5", "1"});
        ASSERT_EQ(mesh.status, 0) << path << ": " << mesh.err;
        const ModelText m = parse_model_text(box.read("nalvik.txt"), 4);
        ASSERT_FALSE(m.elements.empty()) << path;
        RunResult r = box.run("nalvik_quad");
        ASSERT_EQ(r.status, 0) << path << ": " << r.err;
        const size_t np = m.nodes.size(), ne = m.elements.size();

        for (const char* file : result_files) {
            std::string text = box.read(file);
            EXPECT_EQ(text.find("nan"), std::string::npos) << path << ": " << file;
            EXPECT_EQ(text.find("inf"), std::string::npos) << path << ": " << file;
        }
        Rows disp = rows(box.read("result_nalvik.txt"), 2);
        ASSERT_EQ(disp.value.size(), np) << path;

        // every fixed direction ends at its prescribed value (the later record wins)
        std::vector<const ModelText::Bound*> bound(np + 1, nullptr);
        for (const auto& b : m.bounds) bound[b.node] = &b;
        bool all_zero = true;
        for (size_t n = 1; n <= np; ++n) {
            const ModelText::Bound* b = bound[n];
            if (!b) continue;
            if (b->ix) {
                EXPECT_NEAR(disp.value[n - 1][0], b->u, 1e-6 * std::fabs(b->u) + 1e-300) << path << ": node " << n;
            }
            if (b->iy) {
                EXPECT_NEAR(disp.value[n - 1][1], b->v, 1e-6 * std::fabs(b->v) + 1e-300) << path << ": node " << n;
            }
            all_zero = all_zero && (!b->ix || b->u == 0) && (!b->iy || b->v == 0);
        }
        // against supports that do not move, the loads do positive work (twice the strain energy)
        if (all_zero && !m.loads.empty()) {
            std::vector<const ModelText::Load*> load(np + 1, nullptr);
            for (const auto& l : m.loads) load[l.node] = &l;
            double work = 0;
            for (size_t n = 1; n <= np; ++n)
                if (load[n]) work += load[n]->fx * disp.value[n - 1][0] + load[n]->fy * disp.value[n - 1][1];
            EXPECT_GT(work, 0.0) << path;
        }

        // four Gauss rows per element; each node file row is the plain mean of
        // the printed rows of the elements around the node
        for (const auto& [elm, node] : {std::pair{"result_nalvik_strain_elm.txt", "result_nalvik_strain.txt"},
                                        std::pair{"result_nalvik_stress_elm.txt", "result_nalvik_stress.txt"}}) {
            Rows er = rows(box.read(elm), 3), nr = rows(box.read(node), 3);
            ASSERT_EQ(er.value.size(), 4 * ne) << path << ": " << elm;
            ASSERT_EQ(nr.value.size(), np) << path << ": " << node;
            std::vector<std::array<double, 4>> sum(np, {0, 0, 0, 0});
            for (size_t i = 0; i < er.value.size(); ++i) {
                EXPECT_EQ(er.number[i], static_cast<int>(i / 4 + 1)) << path << ": " << elm;
                for (int n : m.elements[i / 4].nodes) {
                    for (int j = 0; j < 3; ++j) sum[n - 1][j] += er.value[i][j];
                    sum[n - 1][3] += 1;
                }
            }
            for (size_t n = 0; n < np; ++n)
                for (int j = 0; j < 3; ++j) {
                    double mean = sum[n][3] > 0 ? sum[n][j] / sum[n][3] : 0.0;
                    EXPECT_NEAR(nr.value[n][j], mean, 1e-6 * std::fabs(mean) + 1e-300) << path << ": " << node << " row " << n + 1;
                }
        }
    }
}
