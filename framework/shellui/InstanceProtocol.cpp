#include "framework/shellui/InstanceProtocol.h"

namespace InstanceProtocol {

namespace {

const char kMagic[4] = {'P', 'X', 'W', '1'};

void PutLittleEndian(std::string &out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetLittleEndian(const std::string &in, std::size_t at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return value;
}

bool IsKnown(std::uint8_t op)
{
    return (op >= static_cast<std::uint8_t>(Op::Find) && op <= static_cast<std::uint8_t>(Op::CopyData)) ||
           op == static_cast<std::uint8_t>(Op::Reply);
}

} // namespace

std::size_t MaxTitleFor(Op op)
{
    return op == Op::CopyData ? kMaxCopyData : kMaxTitle;
}

std::string Encode(const Message &message)
{
    const std::string title = message.hasTitle ? message.title.substr(0, MaxTitleFor(message.op)) : std::string();
    std::string out(kMagic, sizeof kMagic);
    out += static_cast<char>(message.op);
    PutLittleEndian(out, message.window, 8);
    PutLittleEndian(out, static_cast<std::uint32_t>(message.argument), 4);
    out += static_cast<char>(message.hasTitle ? 1 : 0);
    PutLittleEndian(out, title.size(), 2);
    return out + title;
}

Reader::Status Reader::CheckHeader()
{
    // The magic is checked as soon as its bytes are there.
    for (std::size_t i = 0; i < m_buffer.size() && i < sizeof kMagic; ++i)
        if (m_buffer[i] != kMagic[i])
            return Status::Bad;
    if (m_buffer.size() < kHeaderSize)
        return Status::NeedMore;
    const auto op = static_cast<std::uint8_t>(m_buffer[4]);
    const auto flag = static_cast<std::uint8_t>(m_buffer[17]);
    const std::size_t titleLength = GetLittleEndian(m_buffer, 18, 2);
    if (!IsKnown(op) || flag > 1 || titleLength > MaxTitleFor(static_cast<Op>(op)) || (flag == 0 && titleLength != 0))
        return Status::Bad;
    if (m_buffer.size() < kHeaderSize + titleLength)
        return Status::NeedMore;
    if (m_buffer.size() > kHeaderSize + titleLength)
        return Status::Bad;
    m_message.op = static_cast<Op>(op);
    m_message.window = GetLittleEndian(m_buffer, 5, 8);
    m_message.argument = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLittleEndian(m_buffer, 13, 4)));
    m_message.hasTitle = flag == 1;
    m_message.title = m_buffer.substr(kHeaderSize, titleLength);
    return Status::Done;
}

Reader::Status Reader::Feed(const char *data, std::size_t size)
{
    if (m_status == Status::Bad || size == 0)
        return m_status;
    if (m_status == Status::Done)
        return m_status = Status::Bad;
    // Never hold more than one whole message.
    const std::size_t room = kHeaderSize + kMaxCopyData + 1 - m_buffer.size();
    m_buffer.append(data, size < room ? size : room);
    return m_status = CheckHeader();
}

} // namespace InstanceProtocol
