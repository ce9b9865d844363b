// The mesher's error pairs: two console lines naming the routine and the reason.
#pragma once
#include <cstddef>
#include <string>

#include "failure.h"

namespace lindrove {

enum class Pair {
    model_elements,
    model_area,
    rough_nodes,
    rough_no_element,
    delaun_outside,
    search_empty,
    search_closed,
    poly_count,
    poly_chain,
    pick_count,
    subdiv_no_ear,
    lawson,
    check_jac,
    check_adjacent,
    check_area,
    incr,
    decr,
    edge,
    ipush,
    neibor,
    ivert,
    input,
    fine_answer,
    data_write,
    count
};

struct PairText {
    const char* routine;  // first console line
    const char* reason;   // second console line
    Status status;
};

// Every line starts with a blank and is printed as it stands, misspellings included.
static constexpr PairText pair_text[] = {
    {" ***ERROR IN SUBROUTINE MODEL***", " ***INCORRECT NUMBER OF ELEMENTS***", Status::model},
    {" ***ERROR IN SUBROUTINE MODEL***", " ***INCORRECT AREA OF ELEMENTS***", Status::model},
    {" ***ERROR IN SUBROUTINE ROUGH***", " ***INCORRECT NUMBER OF NODES***", Status::model},
    {" ***ERROR IN SUBROUTINE ROUGH***", " ***NO ELEMENT INSIDE THE BOUNDARY***", Status::model},
    {" ***ERROR IN SUBROUTINE DELAUN***", " ***NEW POINT EXISTS OUTSIDE***", Status::model},
    {" ***ERROR IN SUBROUTINE SEARCH***", " ***ISTACK IS EMPTY***", Status::model},
    {" ***ERROR IN SUBROUTINE SEARCH***", " ***BRANCH IS CLOSED***", Status::model},
    {" ***ERROR IN SUBROUTINE POLY***",
     " ***INCORRECT NUMBER OF                                                        ELEMENTS FORMED***",
     Status::model},
    {" ***ERROR IN SUBROUTINE POLY***", " ***TOO MANY ELEMENTS IN CHAIN***", Status::model},
    {" ***ERROR IN SUBROUTINE PICK***", " ***INCORRECT NUMBER NODES***", Status::model},
    {" ***ERROR IN SUBROUTINE SUBDIV***", " ***NO EAR FOUND***", Status::model},
    {" ***ERROR IN SUBROUTINE LAWSON***", " ***NON-CONVERGENGE***", Status::numeric},
    {" ***ERROR IN SUBROUTINE CHECK***", " ***JAC IS WRONG***", Status::model},
    {" ***ERROR IN SUBROUTINE CHECK***", " ***ADJACENT ELEMENT NOT FOUND***", Status::model},
    {" ***ERROR IN SUBROUTINE CHECK***", " ***ELEMENT AREA NOT POSITIVE***", Status::model},
    {" ***ERROR IN SUBROUTINE INCR***", " ***NEIGHBOR LIST OVERFLOW***", Status::model},
    {" ***ERROR IN SUBROUTINE DECR***", " ***NEIGHBOR LIST UNDERFLOW***", Status::model},
    {" ***ERROR IN SUBROUTINE EDGE***", " ***ELEMENTS NOT ADJACENT***", Status::model},
    {" ***ERROR IN FUCTION IPUSH***", " ***STACK OVERFLOW***", Status::model},
    {" ***ERROR IN FUCTION NEIBOR***", " ***ELEMENTS NOT ADJACENT***", Status::model},
    {" ***ERROR IN FUCTION IVERT***", " ***VERTICES NOT INCLUDES***", Status::model},
    {" ***ERROR IN SUBROUTINE INPUT***", " ***INCORRECT BOUNDARY DATA***", Status::input},
    {" ***ERROR IN SUBROUTINE FINE***", " ***TOTAL NUMBER OF NODES NOT READ***", Status::input},
    {" ***ERROR IN SUBROUTINE DATA***", " ***NALVIK.TXT NOT WRITTEN***", Status::output},
};
static_assert(sizeof pair_text / sizeof pair_text[0] == static_cast<size_t>(Pair::count),
              "one pair of lines for every error");

// A stop of the mesher: the pair for the console, and for standard error the
// file concerned (or none) and what exactly went wrong.
class Stop : public Failure {
public:
    Stop(Pair pair, std::string file, const std::string& what)
        : Failure(pair_text[static_cast<int>(pair)].status, std::move(file), what), pair_(pair) {}
    Pair pair() const { return pair_; }

private:
    Pair pair_;
};

[[noreturn]] void stop(Pair pair, const std::string& what);

// Prints the two lines of the pair on standard output.
void print_pair(Pair pair);

}  // namespace lindrove
