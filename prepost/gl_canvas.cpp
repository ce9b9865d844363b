// The OpenGL drawing surface: immediate mode, single-buffered, no depth test.
#include "gl_canvas.h"

#include <GL/freeglut.h>

void GlCanvas::clear()
{
    glClearColor(0, 0, 0, 0);
    glClearDepth(1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GlCanvas::projection(const Box& b)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(b.xmin, b.xmax, b.ymin, b.ymax, b.zmin, b.zmax);
    glMatrixMode(GL_MODELVIEW);
}

void GlCanvas::viewport(int x, int y, int width, int height) { glViewport(x, y, width, height); }

void GlCanvas::colour(float r, float g, float b) { glColor3f(r, g, b); }

void GlCanvas::line_width(float width) { glLineWidth(width); }

void GlCanvas::begin(Shape shape)
{
    switch (shape) {
    case Shape::polygon: glBegin(GL_POLYGON); break;
    case Shape::line_loop: glBegin(GL_LINE_LOOP); break;
    case Shape::lines: glBegin(GL_LINES); break;
    }
}

void GlCanvas::vertex(float x, float y, float z) { glVertex3f(x, y, z); }

void GlCanvas::end() { glEnd(); }

void GlCanvas::raster_pos(float x, float y, float z) { glRasterPos3f(x, y, z); }

void GlCanvas::bitmap(const Label& image)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBitmap(label_width, label_height, 0, 0, 0, 0, &image.bits[0][0]);
}

void GlCanvas::character(char c, Font font)
{
    glutBitmapCharacter(font == Font::f9x15 ? GLUT_BITMAP_9_BY_15 : GLUT_BITMAP_8_BY_13,
                        static_cast<unsigned char>(c));
}

void GlCanvas::flush() { glFlush(); }
