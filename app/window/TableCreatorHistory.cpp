// The Table Creator's history: each change to the table is one step that keeps what the change
// touched (TableChange), and the row and column buttons that make such changes.
#include "window/TableCreatorTab.h"

#include "tablecreator/TableChange.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>

namespace pagewright
{

class TableStep : public QUndoCommand
{
public:
    TableStep(TableCreatorTab& tab, const QString& name, TableChange change)
        : QUndoCommand(name), m_tab(tab), m_change(std::move(change))
    {
    }
    void undo() override { m_tab.restore(m_change, false); }
    void redo() override
    {
        // The change is already made when the step is pushed.
        if (m_done) {
            m_done = false;
            return;
        }
        m_tab.restore(m_change, true);
    }

private:
    TableCreatorTab& m_tab;
    TableChange m_change;
    bool m_done = true;
};

TableCreatorTab::~TableCreatorTab()
{
    // The history empties itself when it goes, after the buttons it would update.
    m_history->disconnect(this);
}

void TableCreatorTab::record(const QString& name, const std::function<void()>& change)
{
    record(name, document(), change);
}

void TableCreatorTab::record(const QString& name, const TableDocument& before,
                             const std::function<void()>& change)
{
    change();
    TableChange step(before, document());
    if (!step.IsEmpty())
        m_history->push(new TableStep(*this, name, std::move(step)));
}

void TableCreatorTab::restore(const TableChange& change, bool forward)
{
    TableDocument d = document();
    if (forward)
        change.Redo(d);
    else
        change.Undo(d);
    applyDocument(d);
}

void TableCreatorTab::updateEditButtons()
{
    m_undo->setEnabled(m_history->canUndo());
    m_redo->setEnabled(m_history->canRedo());
    m_undo->setToolTip(m_history->canUndo() ? QStringLiteral("Undo: ") + m_history->undoText() : QString());
    m_redo->setToolTip(m_history->canRedo() ? QStringLiteral("Redo: ") + m_history->redoText() : QString());
    m_insertRow->setEnabled(m_table.NumRows() < MaxRows);
    m_deleteRow->setEnabled(m_table.NumRows() > 1);
    m_insertColumn->setEnabled(m_table.NumCols() < MaxCols);
    m_deleteColumn->setEnabled(m_table.NumCols() > 1);
}

void TableCreatorTab::countsChanged()
{
    {
        const QSignalBlocker rows(m_rows);
        const QSignalBlocker cols(m_columns);
        m_rows->setCurrentIndex(m_table.NumRows() - 1);
        m_columns->setCurrentIndex(m_table.NumCols() - 1);
    }
    // New cells take their markers; cells that moved keep theirs.
    if (m_placeMarkers->isChecked())
        m_table.ApplyPlaceMarkers(true);
    drawTable();
    clearShownResult();
}

void TableCreatorTab::rowOrColumnStep(const char* step, bool (TableModel::*operation)(int), bool onColumn)
{
    const CellPos focus = m_grid->focusCell();
    const int at = onColumn ? focus.col : focus.row;
    record(QStringLiteral("%1 %2").arg(QLatin1String(step)).arg(at), [&] {
        if ((m_table.*operation)(at))
            countsChanged();
    });
}

} // namespace pagewright
