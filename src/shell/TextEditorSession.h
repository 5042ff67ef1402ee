#pragma once

#include "model/Document.h"
#include "platform/Dialogs.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text editor window shared by the whole program: it holds either one comment text
// (multi-line editing) or one structured-text block (its program text), never both and
// never two. This is everything the window does except showing itself.
namespace fup {

enum class TextEditorCommand {
    Exit,         // "EXIT"
    Save,         // "SAVE"
    Print,        // "PRINT"
    Find,         // "FIND"
    CheckProgram, // "CHECK PROGRAM"
};

struct TextEditorMenuItem {
    TextEditorCommand command;
    const char* caption; // translated where the menu is shown
};

struct EditorSize {
    int width = 0;
    int height = 0;
    bool operator==(const EditorSize&) const = default;
};

// Where the window first appears and how large it is.
constexpr int TextEditorLeft = 300;
constexpr int TextEditorTop = 100;
constexpr EditorSize TextEditorInitialSize{600, 700};

// What a new structured-text program starts from: the PROGRAM line with the block's name
// ("name" when it has none), then CONST, VAR_TEMP, VAR_LOCAL, BEGIN_PROGRAM and
// END_PROGRAM, each after an empty line; every line ends in CR LF.
std::string structuredTextTemplate(const std::string& blockName);

// Case-sensitive search for needle in text from byte `from` on: the byte offset of the
// first hit, or none (also for an empty needle or a start beyond the end).
std::optional<std::size_t> findForward(std::string_view text, std::size_t from, std::string_view needle);

// One printed line: its top on the page (in the printer's units) and whether it takes
// the header font.
struct PrintLine {
    int top = 0;
    std::string text;
    bool header = false;
};
using PrintPage = std::vector<PrintLine>;

// The header line, an empty line, then every line of the text indented by four blanks,
// cut into pages of pageHeight. The header heads the first page only; every page holds at
// least one line, so a page too small for one still makes progress.
std::vector<PrintPage> layoutPrintPages(const std::string& header, const std::string& text, int headerHeight,
                                        int lineHeight, int pageHeight);

class TextEditorSession {
  public:
    // What the session needs of the editor around it.
    struct Host {
        std::function<EditContext()> editContext;
        std::function<void()> undoSnapshot; // before the session changes the document
        std::function<void()> redisplay;
        std::function<void(const std::string&)> log; // the message window's log
    };

    TextEditorSession(Document& document, platform::Dialogs& dialogs, Host host);

    // Shows the window with the text it is to edit; hides it again. Set by the editor.
    std::function<void(const std::string& text)> show;
    std::function<void()> hide;
    // The compiler's check of a program text; true when it found no error. Without it the
    // window offers no "CHECK PROGRAM".
    std::function<bool(TKiste& block, const std::string& text)> checkProgram;

    // Attaching: refused (false) while the window holds something already. A comment text
    // is highlighted alone; a block turns green.
    bool attachComment(TTexte& text);
    bool attachBlock(TKiste& block);

    bool attached() const { return commentId_.has_value() || block_ != nullptr; }
    bool holdsBlock() const { return block_ != nullptr; }
    std::optional<std::uint64_t> commentId() const { return commentId_; }
    // The block it holds, looked up again; none when it is gone or it holds a comment.
    TKiste* block();

    // What the window shows, fixed when it was attached: the text (line ends "\n"), the
    // caption (the block's name, or "Kommentar-Text"), whether it is read-only (outside
    // Edit mode or while read-only) and its popup menu (a comment text has none of the
    // structured-text entries).
    const std::string& text() const { return text_; }
    const std::string& caption() const { return caption_; }
    bool readOnly() const { return readOnly_; }
    std::vector<TextEditorMenuItem> menu() const;
    // The window's size once attached, from its size now, and the smallest it may get: a
    // comment text wants a short window (at least 300 × 80; one taller than 300 becomes
    // 155 high); a program takes its full height back after that.
    EditorSize sizeOnAttach(EditorSize current) const;
    EditorSize minimumSize() const;

    // "SAVE": double quotes become blanks and the block's program text takes the result,
    // every other clone of its name as well when it is a clone. Returns the text stored,
    // none when nothing could be stored (read-only, no block, the block is gone).
    std::optional<std::string> save(const std::string& edited);
    // "EXIT" and closing the window: asks whether to keep a changed text (yes stores, no
    // discards, cancel stays: false). Otherwise the window is detached; the caller hides it.
    bool leave(const std::string& edited);
    // "FIND": asks for the text to search and looks for it from `from` (a byte offset into
    // text, the end of the selection) on. The byte range of the hit, or none.
    std::optional<std::pair<std::size_t, std::size_t>> find(const std::string& text, std::size_t from);
    // "CHECK PROGRAM": double quotes become blanks (the returned text goes back into the
    // window), the check runs, a clean program is reported, the block turns green.
    std::string check(const std::string& edited);
    // "PRINT": the header names the process and what is edited.
    std::string printHeader(const std::string& processName) const;

    // The comment text with that id is being destroyed: detach and hide.
    void forgetComment(std::uint64_t id);
    // After the document changed: when what the window holds is gone (undo, loading,
    // deleting, clearing), detach, hide and say so. False when nothing is held any more.
    bool verify();
    // A structured-text block was renamed (the parameter follow-up, cloning): when the
    // window holds the program of the old name, it follows the new one.
    void followRename(const TKiste& block, const std::string& oldName);

  private:
    TTexte* comment() const;
    void detach();
    void storeProgram(TKiste& block, const std::string& program);
    bool leaveComment(const std::string& edited);
    bool leaveBlock(const std::string& edited);

    Document& document_;
    platform::Dialogs& dialogs_;
    Host host_;
    std::optional<std::uint64_t> commentId_;
    // A block has no lasting id: undo and loading rebuild every block. Its program is
    // known by its name (a plain block's is unique, clones of one name share their text),
    // so the block is found again by name when the one remembered no longer carries it.
    TKiste* block_ = nullptr;
    std::string blockName_;
    std::string text_;
    std::string caption_;
    bool readOnly_ = false;
    std::string lastSearch_;
};

} // namespace fup
