#include "glui/PointRaster.h"

#include "glui/PlotProjection.h"
#include "model/ViewState.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <tuple>
#include <vector>

namespace {

TEST(DrawsPointsSlowly, TheSoftwareRenderers) {
    const struct {
        const char* renderer;
        bool slowly;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Mesa X11 Software Rasterizer", true},
        {"GDI Generic", true},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"NVIDIA GeForce GTX 1060/PCIe/SSE2", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrawsPointsSlowly(c.renderer), c.slowly) << c.renderer;
}

using Lit = std::tuple<int, int, std::uint32_t>; // column and row of the image, pixel

class PointRasterTest : public ::testing::Test {
protected:
    PointRasterTest() : m_raster(std::make_unique<PointRaster>()) { m_view.angles[1] = 35; }

    void Plot(std::uint32_t colour, const std::vector<std::array<double, 3>>& points,
              std::int32_t mode = kRightHanded) {
        const auto buffer = std::make_unique<PlotBuffer>();
        for (std::size_t k = 0; k < points.size(); ++k) {
            buffer->x[k] = points[k][0];
            buffer->y[k] = points[k][1];
            buffer->z[k] = points[k][2];
            buffer->valid[k] = 1;
        }
        m_raster->Plot(*buffer, mode, PlotProjection(m_view), colour);
    }

    // Where OpenGL puts a point: the image's row 0 is the plot's bottom row, 50 above the window's.
    Lit At(float x, float y, float z, std::uint32_t colour) const {
        const auto at = PlotProjection(m_view).Project(x, y, z);
        EXPECT_TRUE(at.has_value());
        return {at->Column(), kWindowHeight - 1 - at->Row() - 50, colour | 0xFF000000u};
    }

    std::vector<Lit> LitPixels() const {
        std::vector<Lit> lit;
        for (int row = 0; row < PointRaster::kSide; ++row)
            for (int column = 0; column < PointRaster::kSide; ++column)
                if (const std::uint32_t pixel = m_raster->Pixels()[row * PointRaster::kSide + column];
                    pixel != 0)
                    lit.emplace_back(column, row, pixel);
        return lit;
    }

    ViewState m_view;
    std::unique_ptr<PointRaster> m_raster;
};

TEST_F(PointRasterTest, APointLightsThePixelOpenGlLightsForIt) {
    Plot(0x00336699, {{2, 1, 0}});
    EXPECT_EQ(LitPixels(), (std::vector<Lit>{At(2, 1, 0, 0x00336699)}));
    const int row = std::get<1>(At(2, 1, 0, 0));
    EXPECT_EQ(m_raster->ChangedFirstRow(), row);
    EXPECT_EQ(m_raster->ChangedRowCount(), 1);
}

// Looking straight along z, the points of the z axis all land on one pixel.
TEST_F(PointRasterTest, TheNearerPointWinsAndOfTwoAsNearTheLaterOne) {
    m_view.angles[1] = 0;
    Plot(0x000000AA, {{0, 0, 5}});
    Plot(0x0000BB00, {{0, 0, -5}});
    EXPECT_EQ(LitPixels(), (std::vector<Lit>{At(0, 0, 0, 0x000000AA)}));
    Plot(0x00CC0000, {{0, 0, 5}});
    EXPECT_EQ(LitPixels(), (std::vector<Lit>{At(0, 0, 0, 0x00CC0000)}));
}

TEST_F(PointRasterTest, TheCoordinateSystemDecidesWhichPointsShowAndWhere) {
    Plot(0x00010203, {{1, 2, 3}, {-2, -1, 0}}, kPlane);
    EXPECT_EQ(LitPixels(), (std::vector<Lit>{At(-2, -1, 0, 0x00010203)}));
    m_raster->Clear();
    Plot(0x00010203, {{1, 2, 3}}, kLeftHanded);
    EXPECT_EQ(LitPixels(), (std::vector<Lit>{At(1, 2, -3, 0x00010203)}));
}

TEST_F(PointRasterTest, PointsOutsideTheViewVolumeLightNothing) {
    m_view.angles[1] = 0; // behind the eye, past the far plane, beside the plot
    Plot(0x00FFFFFF, {{0, 0, 40}, {0, 0, -90}, {30, 0, 0}, {0, -30, 0}, {1e30, 0, 0}});
    EXPECT_TRUE(LitPixels().empty());
    EXPECT_EQ(m_raster->ChangedRowCount(), 0);
}

// A frame takes the last frame's points away; the texture must take their rows again, once.
TEST_F(PointRasterTest, ClearingTakesTheLastFramesPointsAwayAndNamesTheirRows) {
    Plot(0x00445566, {{2, 1, 0}, {-3, -4, 0}});
    const int top = std::get<1>(At(2, 1, 0, 0));
    const int bottom = std::get<1>(At(-3, -4, 0, 0));
    m_raster->Clear();
    EXPECT_TRUE(LitPixels().empty());
    EXPECT_EQ(m_raster->ChangedFirstRow(), bottom);
    EXPECT_EQ(m_raster->ChangedRowCount(), top - bottom + 1);
    Plot(0x00445566, {{0, 8, 0}});
    const int high = std::get<1>(At(0, 8, 0, 0));
    EXPECT_EQ(m_raster->ChangedFirstRow(), bottom);
    EXPECT_EQ(m_raster->ChangedRowCount(), high - bottom + 1);
    m_raster->Clear();
    m_raster->Clear();
    EXPECT_EQ(m_raster->ChangedRowCount(), 0);
}

} // namespace
