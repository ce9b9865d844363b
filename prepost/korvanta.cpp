// korvanta: the suite's window, a panel of tabs and buttons beside a square
// view of the model. Tab 4 reads the model file (data2d.txt for block models,
// nalvik.txt for meshes) and draws it with its fixed-node markers, force
// arrows and node numbers; in its pick modes (rows 9 and 10, also on tab 5)
// Ctrl and the left button fix or load the node nearest the pointer. Tab 5
// runs the block mesher and the structural solvers, tab 1 the meshers that
// work from drawings, and both open the editor; tab 6 reads the solvers'
// nodal result files and draws displacements, stresses or strains as eight
// colour bands, on the mesh or its deformed shape, with their levels in the
// legend of tab 3. Key s or S, or "Save BC" on the middle button, saves the
// model; a right drag zooms the view, a left drag pans it. Console lines go to
// standard output, refusals to standard error; Esc, q and Q end it.
//   $ korvanta          (in the directory that holds the model files)
//   Mouse state : {44 9} button=0 state=0
//   Click Button is [ 0 ] Tab Button is [4]
//   Go to tab4(0 0)
//   Mouse state : {44 9} button=0 state=1
//   Pushed Button 0 0
//   ...
//   Click Button is [ 32 ] Tab Button is [4]
//   Go to tab4(3 2)
//   Input <data2d.txt>
//   37 1 8 5 5
//
// This file holds main and the window's callbacks: each changes the state
// through the plain code and asks for a redisplay; only display draws.
#include <cstdio>
#include <cstdlib>

#include <GL/freeglut.h>

#include "gl_canvas.h"
#include "input.h"
#include "model_file.h"
#include "picture.h"
#include "startup.h"
#include "state.h"
#include "tables.h"

static_assert(mouse_code::left_button == GLUT_LEFT_BUTTON && mouse_code::middle_button == GLUT_MIDDLE_BUTTON &&
              mouse_code::right_button == GLUT_RIGHT_BUTTON);
static_assert(mouse_code::down == GLUT_DOWN && mouse_code::up == GLUT_UP);
static_assert(mouse_code::active_ctrl == GLUT_ACTIVE_CTRL);

namespace {

State k;  // everything korvanta knows, for the whole run
GlCanvas gl;

void run(Action a)
{
    switch (a) {
    case Action::quit: std::exit(0);  // nothing is saved
    case Action::save: write_model(k); break;
    case Action::none: break;
    }
}

void display() { compose_picture(k, gl); }

void reshape(int width, int height)
{
    k.window_width = width;
    k.window_height = height;
    display();  // display sets every viewport itself
}

void keyboard(unsigned char key, int, int) { run(key_action(key)); }

void menu_select(int value) { run(menu_action(value)); }

void mouse(int button, int state, int x, int y)
{
    mouse_event(k, button, state, x, y, glutGetModifiers());
    glutPostRedisplay();
}

void motion(int x, int y)
{
    if (motion_event(k, x, y)) glutPostRedisplay();
}

// The start values and the window: 675 by 500 at (60, 60), single-buffered RGB.
void init(const char* title)
{
    init_state(k);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    glutInitWindowSize(layout::window_width, layout::window_height);
    glutInitWindowPosition(layout::window_x, layout::window_y);
    glutCreateWindow(title);
    glClearColor(1, 1, 0, 0);
    gl.projection(projection_box(k));
}

// The middle button opens the one-entry menu, so it never reaches mouse.
void make_menu()
{
    glutCreateMenu(menu_select);
    glutAddMenuEntry(text::save_bc, menu_save_bc);
    glutAttachMenu(GLUT_MIDDLE_BUTTON);
}

}  // namespace

int main(int argc, char** argv)
{
    // 1. console lines keep their order when standard output is a file or a pipe
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);

    // 2. the suite's programs beside korvanta come first for the buttons' commands
    put_own_directory_on_path(argc >= 1 && argv ? argv[0] : nullptr);

    // 3. the window system, the start values and the window
    const char* title = window_title(argc, argv);
    char* bare[] = {const_cast<char*>(title), nullptr};
    if (argc < 1 || !argv || !argv[0]) {
        argc = 1;
        argv = bare;
    }
    glutInit(&argc, argv);
    init(title);
    make_menu();

    // 4. the callbacks, then the event loop until a key ends the run
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutKeyboardFunc(keyboard);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutMainLoop();
    return 0;
}
