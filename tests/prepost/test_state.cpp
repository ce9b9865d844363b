// The start values of korvanta's state.
#include <gtest/gtest.h>

#include "fresh_state.h"

namespace {

TEST(State, StartValues)
{
    auto k = fresh_state(0, 0);
    EXPECT_EQ(k->view_xmin, 0);
    EXPECT_EQ(k->view_xmax, 1);
    EXPECT_EQ(k->view_ymin, 0);
    EXPECT_EQ(k->view_ymax, 1);
    EXPECT_EQ(k->view_zmin, 0);
    EXPECT_EQ(k->view_zmax, 1);
    for (int r = 0; r < 12; ++r) {
        EXPECT_EQ(k->button_state[r][0], -1) << "row " << r + 1;
        EXPECT_EQ(k->button_state[r][1], 0);
        EXPECT_EQ(k->button_state[r][2], 0);
    }
    for (int t : k->tab_state) EXPECT_EQ(t, 0);
    EXPECT_EQ(k->element_mode, 8);
    EXPECT_EQ(k->element_type, 3);
    EXPECT_EQ(k->current_tab, 0);
    EXPECT_EQ(k->model_loaded, 0);
    EXPECT_EQ(k->node_count, 0);
}

}  // namespace
