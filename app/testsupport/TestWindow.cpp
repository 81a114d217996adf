#include "TestWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QTabWidget>

namespace pagewright
{

TestWindow::TestWindow(const QString& programFolder, const QString& settingsFile)
    : m_settingsFile(settingsFile.isEmpty() ? m_dir.filePath(QStringLiteral("vellum.usr")) : settingsFile)
{
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    m_window = std::make_unique<frmMain>(m_platform, frmMain::Options{folder, m_settingsFile});
    m_window->Form_Load();
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
    m_window->SSTab1->setCurrentIndex(tabPosition);
}

} // namespace pagewright
