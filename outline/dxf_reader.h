// The DXF entity reader: a drawing's lines, polylines, splines, arcs, circles, ellipses
// and points become the entity records of out.txt.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

#include "outfile.h"
#include "scan.h"

// Scans the drawing text[0, size) for its entities, writes one record per line segment,
// arc, circle, ellipse, spline or point to out and the echo of each to con, and returns
// the number of records written. An entity whose groups are not in the expected order,
// or whose values do not convert, is left out. A polyline or spline with more points
// than an outline can hold is refused with a Failure naming file.
int zahyo_yomi(const char* text, size_t size, FILE* out, FILE* con, const std::string& file);

// The program's first step: the drawing read from model2d.dxf to out.txt, and the
// record count to facter.txt.
void zahyo_yomi(const Scanner& drawing, OutFile& out, OutFile& facter, FILE* con);
