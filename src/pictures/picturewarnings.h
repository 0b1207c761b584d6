#pragma once

#include <QStringList>

namespace modcol {

// libjpeg's warnings on this thread while one of these lives (one at a
// time): Qt's JPEG decoder only logs them, and the one of "premature end of
// data segment" means lines of the picture were made up. They are kept here
// instead of reaching the log, whatever the logging rules say. libjpeg gives
// the first warning of a decode only.
class DecoderWarnings
{
public:
    DecoderWarnings();
    ~DecoderWarnings();
    DecoderWarnings(const DecoderWarnings &) = delete;
    DecoderWarnings &operator=(const DecoderWarnings &) = delete;

    const QStringList &messages() const { return m_messages; }

    // Whether the decoder ran out of a scan's data and filled in the rest.
    bool linesMadeUp() const;

private:
    QStringList m_messages;
};

} // namespace modcol
