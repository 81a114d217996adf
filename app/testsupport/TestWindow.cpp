#include "TestWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace pagewright
{

TestWindow::TestWindow(const QString& programFolder, const QString& settingsFile)
    : m_settingsFile(settingsFile.isEmpty() ? m_dir.filePath(QStringLiteral("vellum.usr")) : settingsFile)
{
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    m_window = std::make_unique<frmMain>(m_platform, frmMain::Options{folder, m_settingsFile});
    if (!m_window->Form_Load())
        QTest::qFail("The main window did not start", __FILE__, __LINE__);
}

TestWindow::~TestWindow() = default;

QString TestWindow::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString full = m_dir.filePath(name);
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("Cannot write ") + full), __FILE__, __LINE__);
    return full;
}

QLineEdit* TestWindow::box(const QString& name)
{
    auto* w = find<QLineEdit>(name);
    if (w == nullptr)
        QTest::qFail(qPrintable(QStringLiteral("No text box ") + name), __FILE__, __LINE__);
    return w;
}

QPushButton* TestWindow::button(const QString& name)
{
    auto* w = find<QPushButton>(name);
    if (w == nullptr)
        QTest::qFail(qPrintable(QStringLiteral("No button ") + name), __FILE__, __LINE__);
    return w;
}

QLabel* TestWindow::label(const QString& name)
{
    auto* w = find<QLabel>(name);
    if (w == nullptr)
        QTest::qFail(qPrintable(QStringLiteral("No label ") + name), __FILE__, __LINE__);
    return w;
}

void TestWindow::showTab(int tabPosition)
{
    m_window->SSTab1->setCurrentIndex(tabPosition);
}

} // namespace pagewright
