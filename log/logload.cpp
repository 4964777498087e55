#include "log/logload.h"

#include "log/logfile.h"

#include <QIODevice>
#include <QTextCodec>
#include <QTextDecoder>

#include <climits>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace vlog {

namespace {

constexpr qint64 kBlock = 1 << 20;

// Whether every "#" of the text is a byte "#" of the file and the reverse:
// true for UTF-8 and the 8-bit encodings, false for UTF-16 and UTF-32.
bool hashIsAByte(QTextCodec *codec)
{
    return codec->toUnicode(QByteArrayLiteral("a#b")) == QLatin1String("a#b")
           && codec->fromUnicode(QStringLiteral("a#b")) == QByteArrayLiteral("a#b");
}

// The "#" bytes of a block, found with memchr, which reads many bytes at a
// time: the whole file is counted before the first row can be filled.
qint64 countHashes(const QByteArray &block)
{
    qint64 count = 0;
    const char *p = block.constData();
    const char *const end = p + block.size();
    while ((p = static_cast<const char *>(memchr(p, '#', size_t(end - p)))) != nullptr) {
        ++count;
        ++p;
    }
    return count;
}

int parseWholeText(QIODevice &device, LogParser &parser)
{
    const QString text = readLogText(device);
    const QVector<QStringRef> chunks = text.splitRef(QLatin1Char('#'));
    const int records = int(chunks.size()) - 1;
    parser.begin(records);
    parser.header(chunks.at(0));
    for (int k = 1; k < chunks.size(); ++k)
        parser.record(k - 1, chunks.at(k));
    return records;
}

} // namespace

int readAndParse(QIODevice &device, LogParser &parser)
{
    QTextCodec *marked = QTextCodec::codecForUtfText(device.peek(4), nullptr);
    QTextCodec *codec = marked ? marked : QTextCodec::codecForLocale();
    const qint64 start = device.pos();
    if (device.isSequential() || !hashIsAByte(codec))
        return parseWholeText(device, parser);

    // The records are counted first, so that the table has its rows before
    // the first one is filled.
    qint64 hashes = 0;
    for (QByteArray block; !(block = device.read(kBlock)).isEmpty();)
        hashes += countHashes(block);
    if (hashes >= INT_MAX || !device.seek(start)) {
        device.seek(start);
        return parseWholeText(device, parser);
    }
    const int records = int(hashes);
    parser.begin(records);

    const std::unique_ptr<QTextDecoder> decoder(codec->makeDecoder());
    QString pending;
    int piece = 0;
    auto take = [&](QStringView text) {
        if (piece == 0)
            parser.header(text);
        else if (piece <= records)   // a file that grew meanwhile gives no more rows
            parser.record(piece - 1, text);
        ++piece;
    };
    for (QByteArray block; !(block = device.read(kBlock)).isEmpty();) {
        pending += decoder->toUnicode(block);
        int from = 0;
        for (int at; (at = pending.indexOf(QLatin1Char('#'), from)) >= 0; from = at + 1)
            take(QStringView(pending).mid(from, at - from));
        pending.remove(0, from);
    }
    take(pending);
    return records;
}

namespace {

// What the parser gave, in its order.
struct Event
{
    enum Kind { Begin, Notice, Row } kind;
    int number = 0;   // the row count or the row
    vlog::Notice notice = vlog::Notice::Arc;
    LogRow row;
};

// Events travel in batches from the parsing thread to the receiving one; the
// parser waits while enough of them are on their way.
class Pipe
{
public:
    void put(std::vector<Event> &&batch)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_roomy.wait(lock, [this] { return m_batches.size() < kMaxBatches; });
        m_batches.push_back(std::move(batch));
        m_ready.notify_one();
    }
    void close()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
        m_ready.notify_one();
    }
    // The next batch; false when the parser is done and every batch was taken.
    bool take(std::vector<Event> &batch)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_batches.empty() || m_closed; });
        if (m_batches.empty())
            return false;
        batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_roomy.notify_one();
        return true;
    }

private:
    static constexpr size_t kMaxBatches = 16;
    std::mutex m_mutex;
    std::condition_variable m_ready, m_roomy;
    std::deque<std::vector<Event>> m_batches;
    bool m_closed = false;
};

// The parser's sink on the parsing thread.
class PipeSink : public LogSink
{
public:
    explicit PipeSink(Pipe &pipe) : m_pipe(pipe) {}
    void begin(int rowCount) override
    {
        add({Event::Begin, rowCount, Notice::Arc, LogRow()});
        flush();   // the table gets its rows at once
    }
    void notice(Notice notice) override
    {
        add({Event::Notice, 0, notice, LogRow()});
        flush();   // the notice comes as soon as its rows are in
    }
    void row(int row, const LogRow &cells) override { takeRow(row, LogRow(cells)); }
    void takeRow(int row, LogRow &&cells) override
    {
        add({Event::Row, row, Notice::Arc, std::move(cells)});
        if (m_batch.size() >= kRowsPerBatch)
            flush();
    }
    void flush()
    {
        if (!m_batch.empty())
            m_pipe.put(std::move(m_batch));
        m_batch.clear();
    }

private:
    static constexpr size_t kRowsPerBatch = 256;
    void add(Event &&event)
    {
        if (m_batch.empty())
            m_batch.reserve(kRowsPerBatch);
        m_batch.push_back(std::move(event));
    }
    Pipe &m_pipe;
    std::vector<Event> m_batch;
};

} // namespace

int parseBeside(QIODevice &device, Family family, bool stopLog, MessageLookups &lookups, bool &arcFlag,
                ArcLists &arc, LogSink &sink)
{
    Pipe pipe;
    int records = 0;
    std::thread parsing([&] {
        PipeSink out(pipe);
        LogParser parser(family, stopLog, lookups, arcFlag, arc, out);
        records = readAndParse(device, parser);
        out.flush();
        pipe.close();
    });
    std::vector<Event> batch;
    while (pipe.take(batch)) {
        for (const Event &event : batch) {
            switch (event.kind) {
            case Event::Begin:
                sink.begin(event.number);
                break;
            case Event::Notice:
                sink.notice(event.notice);
                break;
            case Event::Row:
                sink.row(event.number, event.row);
                break;
            }
        }
    }
    parsing.join();
    return records;
}

} // namespace vlog
