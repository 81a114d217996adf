#include "TestWindow.h"

#include "window/TableCreatorTab.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTabWidget>

namespace pagewright
{

TestWindow::TestWindow(const QString& programFolder, const QString& settingsFile)
    : m_settingsFile(settingsFile.isEmpty() ? m_dir.filePath(QStringLiteral("vellum.usr")) : settingsFile)
{
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    m_window = std::make_unique<MainWindow>(m_platform, MainWindow::Options{folder, m_settingsFile});
    m_window->start();
}

QString TestWindow::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString full = m_dir.filePath(name);
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("Cannot write ") + full), __FILE__, __LINE__);
    return full;
}

QByteArray TestWindow::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestWindow::showTab(int tabPosition)
{
    m_window->findChild<QTabWidget*>()->setCurrentIndex(tabPosition);
}

QWidget* TestWindow::tab() const
{
    return m_window->findChild<QTabWidget*>()->currentWidget();
}

bool TestWindow::knownAs(QWidget* widget, const QString& name)
{
    // A caption shows "&" written "&&", so that it is not taken for a shortcut mark.
    if (const auto* button = qobject_cast<QAbstractButton*>(widget))
        return QString(button->text()).replace(QLatin1String("&&"), QLatin1String("&")) == name;
    return widget->accessibleName() == name;
}

QString TestWindow::result() const
{
    for (const QLabel* label : tab()->findChildren<QLabel*>())
        if (label->accessibleDescription() == QLatin1String("Result"))
            return label->text();
    QTest::qFail("The shown tab has no result line", __FILE__, __LINE__);
    return {};
}

// --- Table Creator ---

TableModel& TestWindow::table()
{
    return m_window->tableCreatorTab()->table();
}

} // namespace pagewright
