#include "ui/CursorShapes.h"

#include <array>
#include <utility>

namespace rna::ui {

std::optional<Qt::CursorShape> CursorShapeOf(int cursor)
{
    // The stock cursors are numbered downwards from -1; the sizing arrows share one number between two
    // directions, and the platform's hourglass and "working in background" become Qt's busy shapes.
    static constexpr std::array<std::pair<int, Qt::CursorShape>, 21> shapes = {{
        {-1, Qt::BlankCursor},      {-2, Qt::ArrowCursor},   {-3, Qt::CrossCursor},      {-4, Qt::IBeamCursor},
        {-6, Qt::SizeBDiagCursor},  {-7, Qt::SizeVerCursor}, {-8, Qt::SizeFDiagCursor},  {-9, Qt::SizeHorCursor},
        {-10, Qt::UpArrowCursor},   {-11, Qt::WaitCursor},   {-12, Qt::DragCopyCursor},  {-13, Qt::ForbiddenCursor},
        {-14, Qt::SplitHCursor},    {-15, Qt::SplitVCursor}, {-16, Qt::DragCopyCursor},  {-17, Qt::WaitCursor},
        {-18, Qt::ForbiddenCursor}, {-19, Qt::BusyCursor},   {-20, Qt::WhatsThisCursor}, {-21, Qt::PointingHandCursor},
        {-22, Qt::SizeAllCursor},
    }};
    for (const auto& [number, shape] : shapes)
        if (number == cursor)
            return shape;
    return std::nullopt;
}

}  // namespace rna::ui
