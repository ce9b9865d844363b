// The console texts of lindrove_tri01 in Japanese, as the cp932 bytes the console shows.
#pragma once

// "図形は%d\n\n": the type of the outline element just traced.
static constexpr char figure_type_line[] = "\x90\x7d\x8c\x60\x82\xcd" "%d\n\n";

// "x軸を何分割しますか？\n-->": the question before the boundary points; it waits for no answer.
static constexpr char division_question[] =
    "x\x8e\xb2\x82\xf0\x89\xbd\x95\xaa\x8a\x84\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48" "\n-->";
