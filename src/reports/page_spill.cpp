#include "reports/page_spill.h"

#include "app/runtime_error.h"

#include <QDir>

#include <cstring>

namespace {

using Length = quint32;

void ReadRecords(QByteArrayView bytes, const std::function<void(QByteArrayView record)>& each) {
    for (qsizetype at = 0; at < bytes.size();) {
        Length length = 0;
        std::memcpy(&length, bytes.data() + at, sizeof length);
        at += sizeof length;
        each(bytes.sliced(at, length));
        at += length;
    }
}

[[noreturn]] void SpillFailed(const QTemporaryFile& file) {
    throw RunTimeError(QStringLiteral("一時ファイルに書き込めません: ") + QDir::toNativeSeparators(file.fileName()) +
                       QStringLiteral(" (") + file.errorString() + QStringLiteral(")"));
}

}  // namespace

PageSpill::PageSpill(qsizetype pages, qsizetype heldBytes)
    : heldBytes_(heldBytes),
      pages_(static_cast<size_t>(pages)),
      file_(QDir::tempPath() + QStringLiteral("/velmo-pages-XXXXXX")) {}

void PageSpill::add(qsizetype page, QByteArrayView record) {
    Page& p = pages_.at(static_cast<size_t>(page));
    const Length length = static_cast<Length>(record.size());
    p.held.append(reinterpret_cast<const char*>(&length), sizeof length);
    p.held.append(record);
    if (p.held.size() >= heldBytes_) moveToFile(p);
}

void PageSpill::moveToFile(Page& page) {
    if (!file_.isOpen() && !file_.open()) SpillFailed(file_);
    if (!file_.seek(fileSize_) || file_.write(page.held) != page.held.size()) SpillFailed(file_);
    page.blocks.push_back({fileSize_, page.held.size()});
    fileSize_ += page.held.size();
    page.held.resize(0);
}

void PageSpill::read(qsizetype page, const std::function<void(QByteArrayView record)>& each) {
    const Page& p = pages_.at(static_cast<size_t>(page));
    QByteArray block;
    for (const Block& b : p.blocks) {
        if (!file_.seek(b.offset)) SpillFailed(file_);
        block.resize(b.size);
        if (file_.read(block.data(), b.size) != b.size) SpillFailed(file_);
        ReadRecords(block, each);
    }
    ReadRecords(p.held, each);
}
