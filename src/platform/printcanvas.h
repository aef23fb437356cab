#pragma once
// The printer's canvas as the list printers draw on it: device units of the printable
// area, fonts in points, text placed by its top-left corner, lines with a pen width.
// Title and orientation are set before beginDoc(); pages follow with newPage().
#include <memory>
#include <string>
#include <vector>

enum class PageOrientation { Portrait, Landscape };
enum class TextAlign { Left, Right, Center };

// The widths a text needs in the current font: its widest number (never broken), its widest
// piece between the places a word breaks best (hyphens, an e-mail's dots and "@"), its widest
// word, and the whole text on one line. 0 each for an empty text.
struct TextNeeds {
  int number = 0;
  int piece = 0;
  int word = 0;
  int whole = 0;
};

// How a text breaks, measured once so that its lines can be counted at any width: the units
// a line never breaks (with the blanks before them), and the parts of each between the places
// a word breaks best.
struct TextProfile {
  struct Piece {
    int gap = 0;  // the blanks before it
    int width = 0;
    bool number = false;
    bool address = false;  // an e-mail or web address
    std::vector<int> parts;  // empty for a number
    // Each part's syllables (the part alone where it has no syllable break, and for an address).
    std::vector<std::vector<int>> syllables;
  };
  struct Count {
    int lines = 0;
    int cuts = 0;   // places where a word or number is cut inside
    int rough = 0;  // of them, those not at a syllable
  };
  std::vector<Piece> units;
  int whole = 0;
  int hyphen = 0;

  TextNeeds needs() const;
  // The widest part of an e-mail or web address between its break places; 0 without one.
  int widestAddressPart() const;
  // About what wrapText does at this width; with `indent`, each line after the first is that
  // much narrower.
  Count countAt(int width, int indent = 0) const;
};

struct PrintFont {
  std::string name = "Times New Roman";
  int size = 10;  // points
  bool bold = false;
  bool underline = false;
  bool operator==(const PrintFont&) const = default;
};

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  void setTitle(const std::string& title) { title_ = title; }
  const std::string& title() const { return title_; }
  virtual void setOrientation(PageOrientation o) { orientation_ = o; }
  PageOrientation orientation() const { return orientation_; }

  // Starts the job (named by the title) on its first page; false when the printer refuses.
  virtual bool beginDoc() = 0;
  virtual void newPage() = 0;
  virtual void endDoc() = 0;
  bool printing() const { return printing_; }

  // The printable area in device units, for the orientation set.
  virtual int pageWidth() const = 0;
  virtual int pageHeight() const = 0;

  void setFont(const PrintFont& font) { font_ = font; }
  void setFontName(const std::string& name) { font_.name = name; }
  void setFontSize(int points) { font_.size = points; }
  void setFontStyle(bool bold, bool underline) {
    font_.bold = bold;
    font_.underline = underline;
  }
  const PrintFont& font() const { return font_; }

  void setPenWidth(int width) { penWidth_ = width; }
  int penWidth() const { return penWidth_; }

  // (x, y) is the top-left corner of the text in the current font.
  virtual void textOut(int x, int y, const std::string& text) = 0;
  virtual int textWidth(const std::string& text) = 0;
  virtual int textHeight(const std::string& text) = 0;
  virtual void line(int x1, int y1, int x2, int y2) = 0;

  // The lines a text takes in a column `width` units wide in the current font: broken at a
  // blank where the next word would pass the width. A number (a telephone number with all its
  // groups), a word with the team number after it and a street with its house number (also
  // one whose letter stands apart: "Bahnhofplatz 2 b") stay on one line. A word wider than
  // the column breaks after a hyphen or slash (an address also after its dots and "@"), else
  // at a German syllable, else three letters from either end of its part, both of these with
  // a hyphen added; an address is cut inside and a number broken only where nothing else
  // fits, never with a hyphen. No character but the blanks at a break is left out, and a line
  // narrower than one letter takes one; an empty text has no line.
  // With `indent`, each line after the first is that much narrower.
  std::vector<std::string> wrapText(const std::string& text, int width, int indent = 0);
  TextNeeds textNeeds(const std::string& text);
  TextProfile textProfile(const std::string& text);
  // Prints the lines of wrapText(text, width) from (x, y) down, `step` apart, each placed in
  // the column as `align` says. Returns the number of lines (0 for an empty text).
  int textBlock(int x, int y, int width, const std::string& text, int step,
                TextAlign align = TextAlign::Left);
  // The number of lines textBlock would print.
  int lineCount(const std::string& text, int width);

 protected:
  bool printing_ = false;

 private:
  // The lines at blanks, or with `afterMarks` also after a compound word's hyphen at a line's
  // end; each unit too wide for a line in pieces as wrapText says.
  std::vector<std::string> wrapLines(const std::string& text, int first, bool afterMarks, int indent);

  std::string title_;
  PageOrientation orientation_ = PageOrientation::Portrait;
  PrintFont font_;
  int penWidth_ = 1;
};

// One recorded call of a RecordingCanvas.
struct PrintCall {
  enum Kind { Begin, Text, Line, NewPage, End };
  Kind kind = Begin;
  int page = 0;  // 1 for the first page
  int x = 0, y = 0, x2 = 0, y2 = 0;
  std::string text;  // the text; for Begin the job title
  PrintFont font;
  int penWidth = 0;
  PageOrientation orientation = PageOrientation::Portrait;
};

// Everything one job drew, in order.
struct PrintJob {
  std::string printer;
  int copies = 1;
  std::vector<PrintCall> calls;

  std::string title() const;
  int pages() const;  // 0 when the job never began
  bool ended() const;
  std::vector<PrintCall> texts() const;
  std::vector<PrintCall> lines() const;
  // The first text call with exactly this text, or nullptr.
  const PrintCall* findText(const std::string& text) const;
};

// Records every call instead of printing. Text is measured by a fixed rule so that tests
// can compute positions: a character is half an em wide, a line 1.2 em high.
class RecordingCanvas : public PrintCanvas {
 public:
  // The default is an A4 page at 600 dots per inch less the usual margins.
  explicit RecordingCanvas(int width = 4800, int height = 6800, int dpi = 600);

  std::shared_ptr<PrintJob> job() const { return job_; }

  bool beginDoc() override;
  void newPage() override;
  void endDoc() override;
  int pageWidth() const override;
  int pageHeight() const override;
  void textOut(int x, int y, const std::string& text) override;
  int textWidth(const std::string& text) override;
  int textHeight(const std::string& text) override;
  void line(int x1, int y1, int x2, int y2) override;

 private:
  PrintCall call(PrintCall::Kind kind) const;
  int width_, height_, dpi_;
  int page_ = 0;
  std::shared_ptr<PrintJob> job_;
};
