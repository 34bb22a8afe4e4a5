// The messages between two running copies of a program over its per-user
// local socket: one request per connection, one reply.  Every message is a
// fixed header ("PXW1", operation, window, argument, title flag, title
// length, all little-endian) and at most kMaxTitle bytes of title (a
// CopyData message carries up to kMaxCopyData bytes of data there).
// Framework-internal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace InstanceProtocol {

enum class Op : std::uint8_t {
    Find = 1, // a top-level window of the socket's class (with the title when one is given)
    IsWindow = 2,
    IsIconic = 3,
    Show = 4, // argument: the SW_ command
    Foreground = 5,
    CopyData = 6, // argument: the data's tag; title: the bytes (WM_COPYDATA)
    Reply = 0x80, // window: the answer (a window, or 0/1)
};

struct Message {
    Op op = Op::Reply;
    std::uint64_t window = 0;
    std::int32_t argument = 0;
    bool hasTitle = false;
    std::string title;
};

constexpr std::size_t kHeaderSize = 20;
constexpr std::size_t kMaxTitle = 1024;
constexpr std::size_t kMaxCopyData = 60000;

// The most title (or data) bytes a message of the operation carries.
std::size_t MaxTitleFor(Op op);
// The bytes of a message; a title longer than its operation's limit is cut.
std::string Encode(const Message &message);

// Reads one message from bytes that arrive in pieces.
class Reader {
public:
    enum class Status { NeedMore, Done, Bad };
    // Takes more bytes.  Bad for a wrong magic, an unknown operation, a
    // title that is too long or flagged wrongly, or bytes after the message;
    // once Bad or Done it stays so (further bytes after Done make it Bad).
    Status Feed(const char *data, std::size_t size);
    Status GetStatus() const { return m_status; }
    const Message &GetMessage() const { return m_message; }

private:
    Status CheckHeader();

    std::string m_buffer;
    Status m_status = Status::NeedMore;
    Message m_message;
};

} // namespace InstanceProtocol
