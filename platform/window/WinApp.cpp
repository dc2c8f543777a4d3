#include "WinApp.h"

#include "platform/WaitCursor.h"
#include "platform/window/CommandLine.h"
#include "platform/window/Icon.h"
#include "platform/window/Resources.h"
#include "qt/DialogFont.h"
#include "qt/ToolkitTranslations.h"
#include "qt/WindowHandle.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

CWinApp* g_app = nullptr;
std::string g_appName;

void ShowWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void HideWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

// What the toolkit says while it connects to the display, held back: when
// no display can be reached it ends the process, and the user gets one
// clear line instead of its several; otherwise it is passed on unchanged.
// The toolkit may log from its own threads, hence the lock.
std::mutex g_startupMutex;
std::vector<QString> g_startupMessages;
std::string g_programName;

bool IsSet(const char* value)
{
    return value != nullptr && *value != '\0';
}

// The toolkit's fatal message in one line, its line breaks as spaces.
std::string OneLine(const QString& message)
{
    return message.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).toLocal8Bit().toStdString();
}

// Whether the toolkit's held-back messages say that the named X or Wayland
// display could not be reached. Called with g_startupMutex held.
bool SaidDisplayUnreachable()
{
    for (const QString& message : g_startupMessages) {
        if (message.contains(QStringLiteral("could not connect to display"), Qt::CaseInsensitive) ||
            message.contains(QStringLiteral("wl_display"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const std::lock_guard<std::mutex> lock(g_startupMutex);
    if (type != QtFatalMsg) {
        g_startupMessages.push_back(message);
        return;
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    // A display was named but could not be used. When the toolkit said it
    // could not reach it, the one line says it all; otherwise the toolkit's
    // reason (a missing plugin or library, say) comes first, as it may not be
    // the display's fault.
    if ((IsSet(display) || IsSet(wayland)) && !SaidDisplayUnreachable())
        std::fprintf(stderr, "%s\n", OneLine(message).c_str());
    std::fprintf(stderr, "%s: cannot open a window: no usable display (DISPLAY=%s, WAYLAND_DISPLAY=%s)\n",
                 g_programName.c_str(), display != nullptr ? display : "", wayland != nullptr ? wayland : "");
    std::fflush(stderr);
    std::_Exit(1);
}

// Builds the toolkit's application; a missing or unreachable display ends
// the process with status 1.
class CStartupMessages {
public:
    explicit CStartupMessages(const char* argv0)
    {
        g_programName = ProgramName(argv0);
        m_previous = qInstallMessageHandler(&StartupMessageHandler);
    }
    ~CStartupMessages()
    {
        qInstallMessageHandler(m_previous);
        const std::lock_guard<std::mutex> lock(g_startupMutex);
        for (const QString& message : g_startupMessages)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        g_startupMessages.clear();
    }
    CStartupMessages(const CStartupMessages&) = delete;
    CStartupMessages& operator=(const CStartupMessages&) = delete;

private:
    QtMessageHandler m_previous = nullptr;
};

} // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

std::span<const CProgramOption> CWinApp::ProgramOptions() const
{
    return {};
}

std::optional<int> CWinApp::TakeProgramOptions(const CProgramValues&, const std::string&, std::FILE*)
{
    return std::nullopt;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    QApplication::exec();
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return 0;
}

BOOL CWinApp::OnCommand(UINT)
{
    return FALSE;
}

void CWinApp::OnHelp() {}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

const char* AfxGetAppName()
{
    if (g_app != nullptr && g_app->m_pszAppName != nullptr)
        return g_app->m_pszAppName;
    return g_appName.c_str();
}

BOOL AfxWinInit()
{
    if (QApplication::instance() == nullptr)
        return FALSE;
    const char* internalName = AfxFindVersionString("InternalName");
    g_appName = internalName != nullptr
                    ? internalName
                    : QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
    QCoreApplication::setApplicationName(QString::fromStdString(g_appName));
    if (g_app != nullptr && g_app->m_pszAppName == nullptr)
        g_app->m_pszAppName = g_appName.c_str();

    if (const CResourceModule* module = AfxGetResourceModule()) {
        if (module->m_version != nullptr)
            QCoreApplication::setApplicationVersion(QString::fromStdString(FileVersionText(*module->m_version)));
        if (module->m_desktopFileName != nullptr)
            QGuiApplication::setDesktopFileName(QString::fromUtf8(module->m_desktopFileName));
        // The first icon stands for the program, as a Windows program's does.
        if (!module->m_icons.empty()) {
            if (HICON icon = AfxLoadIcon(module->m_icons.front().m_id))
                QApplication::setWindowIcon(icon->m_icon);
        }
    }

    CheckJapaneseFontInstalled();
    InstallToolkitTranslations();
    SetWaitCursorHandlers({&ShowWaitCursor, &HideWaitCursor});
    return TRUE;
}

int AfxWinMain(int argc, char* argv[])
{
    CWinApp* app = AfxGetApp();
    CProgramValues values;
    const std::span<const CProgramOption> options =
        app != nullptr ? app->ProgramOptions() : std::span<const CProgramOption>();
    if (const std::optional<int> status = AnswerCommandLine(argc, argv, stdout, stderr, options, &values))
        return *status;
    if (app != nullptr) {
        if (const std::optional<int> status =
                app->TakeProgramOptions(values, ProgramName(argc > 0 ? argv[0] : nullptr), stderr))
            return *status;
    }
    std::optional<CStartupMessages> startup(std::in_place, argc > 0 ? argv[0] : nullptr);
    QApplication application(argc, argv);
    startup.reset();
    if (app == nullptr || !AfxWinInit())
        return -1;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
