// Opens one of the Table Creator's cell dialogs the way a user does: a click at the centre of
// a cell of the grid, or a key on the grid's focus cell. act runs on the dialog through the
// scripted seam, and the table keeps its rules afterwards.
#ifndef PAGEWRIGHT_OPENFROMGRID_H
#define PAGEWRIGHT_OPENFROMGRID_H

#include "TestWindow.h"
#include "tablecreator/TableGrid.h"

#include <QTest>

#include <functional>

namespace pagewright
{

template <typename Dialog>
void OpenFromGrid(TestWindow& t, Qt::MouseButton button, int row, int col, std::function<void(Dialog*)> act,
                  Qt::Key key = Qt::Key_unknown)
{
    t.seam().expectDialog<Dialog>([act](Dialog& dialog) { act(&dialog); });
    TableGrid* grid = t.w().picTable;
    if (key == Qt::Key_unknown) {
        QTest::mouseClick(grid, button, {}, AreaRect(grid->metrics(), t.w().Table, row, col).center());
    } else {
        grid->setFocusCell({row, col});
        QTest::keyClick(grid, key, key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QCOMPARE(t.w().Table.InvariantProblem(), QString());
}

} // namespace pagewright

#endif
