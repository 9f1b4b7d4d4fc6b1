#pragma once
// Records set aside page by page while they come in one order and read back
// page by page: each page holds a small buffer in memory, and a full buffer
// goes to one temporary file, so the memory does not grow with the year.
#include <QByteArray>
#include <QByteArrayView>
#include <QTemporaryFile>

#include <functional>
#include <vector>

class PageSpill {
public:
    static constexpr qsizetype kHeldBytes = 64 * 1024;

    // `heldBytes`: what one page holds before its records go to the file.
    explicit PageSpill(qsizetype pages, qsizetype heldBytes = kHeldBytes);

    // A temporary file that cannot be made or written is a run-time error.
    void add(qsizetype page, QByteArrayView record);
    // The page's records in the order they were added.
    void read(qsizetype page, const std::function<void(QByteArrayView record)>& each);

private:
    struct Block {
        qint64 offset = 0;
        qint64 size = 0;
    };
    struct Page {
        QByteArray held;
        std::vector<Block> blocks;
    };
    void moveToFile(Page& page);

    qsizetype heldBytes_;
    std::vector<Page> pages_;
    QTemporaryFile file_;
    qint64 fileSize_ = 0;
};
