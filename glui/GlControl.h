#pragma once

#include "glui/ModuleInstance.h"

struct PageRequest;

// Base of the OpenGL widgets. Each draws into its own fixed viewport of the main window under
// the window's perspective projection, which it never touches, and restores the modelview
// matrix when done.
class GlControl : public ModuleInstance {
public:
    virtual ~GlControl() = default;
    // Restores the modelview matrix saved by Begin.
    virtual void End();
    // Remembers the viewport (OpenGL window coordinates), saves the modelview matrix and draws
    // from now on into that viewport.
    virtual void Begin(int x, int y, int width, int height);

protected:
    PageRequest* m_owner = nullptr; // given to LoadImages; only the plot view talks to it
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
};

// The OpenGL state every widget relies on, set once by the window that draws them before any
// widget loads its images: blending by source alpha, texturing on, smooth shading, the depth test
// with GL_LEQUAL and clear depth 1, black clearing with alpha 0.5, the nicest perspective hint.
void SetUpWidgetDrawing();
