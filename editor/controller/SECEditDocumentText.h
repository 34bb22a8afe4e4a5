// The document's bytes as the find and replace commands read them: in
// place, over the text store's blocks, until something needs them in one
// piece; then a copy is made, unless the store holds them in one block.
// Reading near the last place read costs no block look-up: the block read
// last is kept at hand.
#pragma once

#include <memory>
#include <string>

class SECEditBlockWriter;
class SECEditTextBuffer;
class SECEditTextStore;

class SECEditDocumentText {
public:
    explicit SECEditDocumentText(SECEditTextBuffer &buffer);
    SECEditDocumentText(const SECEditDocumentText &) = delete;
    SECEditDocumentText &operator=(const SECEditDocumentText &) = delete;

    bool IsContiguous() const { return m_pData != nullptr; }
    // The whole text in one piece (copied on first use when it is not).
    const char *Data();
    int Length() const { return m_nLength; }
    SECEditTextStore &Store() { return m_store; }
    // Appends the bytes [offset, offset + length).
    void Append(std::string &out, int offset, int length);
    // The same into a block writer, straight from the store's blocks.
    void AppendTo(SECEditBlockWriter &writer, int offset, int length);
    std::string Bytes(int offset, int length);
    // How many of the bytes [offset, offset + length) are the given byte.
    int CountByte(int offset, int length, char byte);
    unsigned char ByteAt(int offset);
    // Where the line around offset starts, and where its text ends (before
    // CR LF or LF).
    int LineStart(int offset);
    int LineTextEnd(int offset);
    // Where a search goes on after an empty match at offset: one character
    // on as the engine counts them, or at a line's end the next line.
    int StepPastEmptyMatch(int offset);

private:
    // Bytes of the text in one place: [start, end) at data.
    struct Piece {
        const char *data = nullptr;
        int start = 0;
        int end = 0;
    };
    // The piece that holds the byte at offset (the whole text when it is in
    // one piece, else the block); of a text in blocks, an empty piece for
    // an offset past the text.
    const Piece &PieceAt(int offset);

    SECEditTextBuffer &m_buffer;
    SECEditTextStore &m_store;
    std::unique_ptr<char[]> m_copy;
    const char *m_pData = nullptr;
    int m_nLength = 0;
    Piece m_piece;
};
