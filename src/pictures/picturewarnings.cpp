#include "pictures/picturewarnings.h"

#include <atomic>

#include <QLoggingCategory>

namespace modcol {
namespace {

// Qt's JPEG plugin logs libjpeg's warnings in this category.
constexpr char JpegCategory[] = "qt.gui.imageio.jpeg";

thread_local QStringList *t_messages = nullptr; // of the decode under way on this thread

// Set once the hooks are in; a message in that instant finds none.
std::atomic<QtMessageHandler> g_nextHandler = nullptr;
std::atomic<QLoggingCategory::CategoryFilter> g_nextFilter = nullptr;

void collectJpegWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (t_messages && context.category && qstrcmp(context.category, JpegCategory) == 0) {
        t_messages->append(message);
        return;
    }
    if (const QtMessageHandler next = g_nextHandler)
        next(type, context, message);
}

// The rules may turn the category off; the damage check needs it on.
void keepJpegWarnings(QLoggingCategory *category)
{
    // Called for every category while it is being installed, before the
    // filter it follows is known: the others keep their state.
    if (const QLoggingCategory::CategoryFilter next = g_nextFilter)
        next(category);
    if (qstrcmp(category->categoryName(), JpegCategory) == 0)
        category->setEnabled(QtWarningMsg, true);
}

} // namespace

DecoderWarnings::DecoderWarnings()
{
    static const bool installed = [] {
        g_nextHandler = qInstallMessageHandler(collectJpegWarnings);
        g_nextFilter = QLoggingCategory::installFilter(keepJpegWarnings);
        return true;
    }();
    Q_UNUSED(installed);
    Q_ASSERT(!t_messages);
    t_messages = &m_messages;
}

DecoderWarnings::~DecoderWarnings()
{
    t_messages = nullptr;
}

bool DecoderWarnings::linesMadeUp() const
{
    return !m_messages.filter(QStringLiteral("premature end of data segment"), Qt::CaseInsensitive).isEmpty();
}

} // namespace modcol
