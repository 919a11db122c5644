#pragma once

// A device that passes bytes on to the file being saved until it has passed `limit`, then fails
// as a full disk would: proof that a writer's error reaches its caller.

#include "platform/file_write.hpp"

#include <QIODevice>

#include <algorithm>
#include <memory>

namespace lumtaris::test {

// Passes bytes on to the file until it has passed `limit`, then fails as a device would.
class FailAfterDevice : public QIODevice
{
public:
    FailAfterDevice(QIODevice& target, qint64 limit) : target_(target), limit_(limit)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 room = std::min(size, limit_ - passed_);
        if (room <= 0) {
            setErrorString(QStringLiteral("Injected write error"));
            return -1;
        }
        const qint64 written = target_.write(data, room);
        passed_ += written;
        return written;
    }

private:
    QIODevice& target_;
    qint64 limit_;
    qint64 passed_ = 0;
};

inline WriteDeviceFilter FailAfter(qint64 limit)
{
    return [limit](QIODevice& file) { return std::make_unique<FailAfterDevice>(file, limit); };
}

} // namespace lumtaris::test
