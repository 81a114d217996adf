/*
 * vellum62: the Pagewright conversion library.
 *
 * Four calls (three of them also in an _ex form that takes flags, and reg_tbl also as
 * reg_tbl_sized, which gives the table's size), each of which reads one plain text file (or none) and writes one HTML file.
 * Every call is self-contained: it opens its files, converts, closes every file it opened
 * and returns a result code. The library keeps nothing between calls and has no global
 * mutable state, so calls may run at the same time on different threads.
 *
 * Strings: NUL-terminated 8-bit strings owned by the caller and only read during the call.
 * File names are the file system's own bytes (UTF-8 on Linux). The contents of the files are
 * bytes; bytes 0x80 to 0xFF are read as Windows-1252 unless the call's flags hold
 * VELLUM62_UTF8. Input lines may end in LF or CR LF; every line end the library writes is a
 * single LF. An input that holds a NUL byte is not text: every call stops at the line that holds
 * it and returns VELLUM62_INPUT_IS_BINARY.
 *
 * A file name written into a page title (txt2h: the output's name; c2h: both names; the page
 * wrappers of datalist_ex and reg_tbl_ex: the input's name; always without its folder) has its
 * "&", "<" and ">" written as "&amp;", "&lt;" and "&gt;". With VELLUM62_UTF8 it is written as
 * UTF-8 (bytes that are not valid UTF-8 become U+FFFD); without it, a name that is valid UTF-8
 * has each character beyond ASCII written as a numeric character reference ("r&#233;sum&#233;"),
 * and a name that is not valid UTF-8 keeps its bytes.
 *
 * A NULL string argument counts as an empty string.
 *
 * Every line is read whole, whatever its length; memory grows with the longest line only.
 *
 * The output file must not be the input, header or footer file (the same file under any
 * name, links included): such a call returns the code for an output that cannot be opened
 * and leaves every file untouched.
 *
 * This header is valid C and C++.
 */
#ifndef VELLUM62_H
#define VELLUM62_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(VELLUM62_BUILDING_LIBRARY)
#define VELLUM62_EXPORT __attribute__((visibility("default")))
#else
#define VELLUM62_EXPORT
#endif

/* Result codes shared by all four calls. */
#define VELLUM62_DONE 0                /* finished (txt2h, c2h) */
#define VELLUM62_INPUT_NOT_OPENED (-1) /* input could not be opened; nothing was created or written */
#define VELLUM62_OUTPUT_NOT_OPENED                                                                           \
    (-2) /* output could not be opened (or is one of the inputs); nothing written */

/* Further result codes of txt2h. */
#define VELLUM62_HEADER_NOT_OPENED (-3) /* header file not opened; the standard head was written */
#define VELLUM62_FOOTER_NOT_OPENED (-4) /* footer file not opened; the standard footer was written */
#define VELLUM62_HEADER_AND_FOOTER_NOT_OPENED (-5) /* neither opened; both standard parts were written */
#define VELLUM62_INPUT_HOLDS_HTML (-6)   /* a line holds "<HTML>" (any case); conversion stopped there */
#define VELLUM62_INPUT_HOLDS_X_HTML (-7) /* a line holds "<X-HTML>" (any case); conversion stopped there */

/* Result code of all four calls (datalist only for a list from a file): a line of the input holds
 * a NUL byte, so the input is binary, not text. Conversion stopped at that line: the output holds
 * what was written for the lines before it and not the page's end (no footer, no closing tags). */
#define VELLUM62_INPUT_IS_BINARY (-8)

/* Separator kinds of datalist (argument item_separator). */
#define VELLUM62_ITEMS_BY_LINE 0
#define VELLUM62_ITEMS_BY_BLANK_LINE 1
#define VELLUM62_ITEMS_BY_NUMERAL 2
#define VELLUM62_ITEMS_BY_ASTERISK 3

/* List sources of datalist (argument list_source). */
#define VELLUM62_BLANK_LIST 0          /* blank list with empty items */
#define VELLUM62_NUMBERED_BLANK_LIST 1 /* blank list whose items read " Item 1", " Item 2", ... */
#define VELLUM62_LIST_FROM_FILE 2      /* items read from input_file */

/* reg_tbl packs its result as rows * VELLUM62_ROW_FACTOR + columns. */
#define VELLUM62_ROW_FACTOR 100

/*
 * Flags: the last argument of txt2h and of the _ex calls. 0 gives the behaviour of the plain
 * calls; bits a call has no use for, and bits not named here, are ignored.
 *   VELLUM62_UTF8             the input (and txt2h's title) is UTF-8: characters above ASCII are
 *                             written as UTF-8, not as Windows-1252 entities (txt2h still writes
 *                             U+00A0 as "&nbsp;"); a byte that is not part of valid UTF-8 becomes
 *                             U+FFFD; a byte-order mark at the start of the input is dropped, so
 *                             an input that holds only one converts as an empty input does.
 *   VELLUM62_DECLARE_CHARSET  a page with a standard head (txt2h, c2h) or a page wrapper
 *                             (datalist_ex, reg_tbl_ex) gets, as the first line of its head,
 *                             <meta http-equiv="Content-Type" content="text/html; charset=utf-8">
 *                             (charset=windows-1252 without VELLUM62_UTF8). A header file is
 *                             copied as it stands.
 *   VELLUM62_CSV_QUOTES       reg_tbl_ex: a field that starts with a double quote runs to the
 *                             matching quote and may hold the separator and line ends; "" inside
 *                             it is one quote; the quotes are not written.
 *   VELLUM62_ESCAPE_DATA      datalist_ex, reg_tbl_ex: & < > of the data are written as "&amp;",
 *                             "&lt;" and "&gt;" (without it, HTML in the data passes through).
 *   VELLUM62_HTML5            every call writes an HTML5 page (or, for a list or table without
 *                             its page wrapper, an HTML5 fragment) instead of the classic one:
 *                             see "HTML5 pages" below. Without it the page is the classic page,
 *                             byte for byte.
 *
 * HTML5 pages. The page starts with <!DOCTYPE html>, <html lang="...">, <meta charset="utf-8">,
 * a viewport meta tag and the title, and is UTF-8 whatever the input: without VELLUM62_UTF8 the
 * input is read as Windows-1252 and written as UTF-8 (VELLUM62_DECLARE_CHARSET has no further use).
 * Control characters and the five bytes Windows-1252 leaves undefined, which no HTML5 page may
 * hold, are written as U+FFFD. The look the arguments choose (colours, centring, widths,
 * borders, padding and spacing, the text page's margin) is not in the markup but in one small
 * stylesheet embedded in a <style> element of the head; its first rule holds the chosen values
 * as custom properties ("--pw-text", "--pw-border", ...), and when no colour was chosen it has a
 * variant for a dark colour scheme. A colour is used when it is "#" and 3, 4, 6 or 8 hex digits,
 * six hex digits alone (taken with a "#"), a colour name of letters, or one of the functions
 * rgb(), rgba(), hsl() and hsla() of digits, dots, commas, spaces and "%"; any other value is
 * left out. Elements carry classes, all named "pw-...":
 *   pw-text      the body of a text page (txt2h), whose margin stands in for the classic indent
 *   pw-center    a heading (text) or a list or table centred on the page
 *   pw-code      the <pre> of a code page (c2h), which holds a <code>
 *   pw-disc, pw-circle, pw-square  unordered list bullets (ordered lists use type and start)
 *   pw-table     a table (reg_tbl, and the program's table pages); pw-center-text on it centres
 *                its text cells; pw-num a cell that starts like a number (right-aligned); pw-top
 *                a row whose cells hold line breaks (aligned to the top)
 * A table's header rows ("\TH") that come first form its <thead>, as <th scope="col"> cells;
 * the other rows form its <tbody>, and every row has as many cells as the widest row (the input
 * is read twice for that; an input that cannot be read again, such as a pipe, gives rows that are
 * only as wide as the widest row before them). Its cells hold no "&nbsp;": the padding spaces are
 * an indent ("--pw-indent", a quarter em each), and empty cells are empty. Sizes below 0 are left
 * out. A list's text before its first item stands before the list, in a paragraph (pw-center when
 * the list is). A list or table written without its page wrapper carries its chosen values in a
 * style attribute, so that a page with the stylesheet styles it.
 * For the same input, the text a browser shows is the classic page's text.
 */
#define VELLUM62_UTF8 1
#define VELLUM62_DECLARE_CHARSET 2
#define VELLUM62_CSV_QUOTES 4
#define VELLUM62_ESCAPE_DATA 8
#define VELLUM62_HTML5 16

/*
 * The settings of an HTML5 page that are not flags, for the _html5 calls below. Read only when the
 * flags hold VELLUM62_HTML5; a NULL pointer, and a NULL or empty member, take the default.
 *   lang        the page's language, as in <html lang="...">: letters, digits and hyphens, at most
 *               35 characters ("de", "pt-BR"); default and any other value: "en"
 *   stylesheet  the address of a stylesheet the page links (<link rel="stylesheet">) in place
 *               of the embedded one; the chosen values are then left to that stylesheet, as are
 *               all looks. Written with & < > " escaped.
 */
typedef struct vellum62_html5_page {
    const char* lang;
    const char* stylesheet;
} vellum62_html5_page;

/*
 * txt2h: a text file to an HTML page; with an empty input_file, an empty page (the template).
 *   title            page title, used only when input_file is empty, written as given (the
 *                    caller escapes what is to show as text); otherwise the title is the output
 *                    file's name without its folder, written as every title's file name is
 *   input_file       text file to convert; empty: write "Page content goes here." as the body
 *   output_file      HTML file to write (created or truncated)
 *   header_file      file copied in place of the standard head; empty: the standard head
 *   footer_file      file copied in place of the standard footer; empty: the standard footer
 *   text_color       page text colour, written as given; empty: "#000000"
 *   background_color page background colour, written as given; empty: "#E0FFFF"
 *   flags            VELLUM62_UTF8 and VELLUM62_DECLARE_CHARSET (see above); 0 as before
 * Returns VELLUM62_DONE, or -1 to -8 as named above. -6, -7 and -8 replace -3 to -5 and are
 * given for the first line that holds a marker or a NUL byte; after them the output holds what was
 * written before that line and no footer.
 * A mail header (a block of header lines, with their continuation lines, that starts the input or
 * follows a "From " line and holds a Date, Subject, From or To line) loses its lines whose names
 * hold a hyphen (Message-ID, X-Mailer, ...); elsewhere such lines are text. Up to 1000 lines or
 * 256 KiB of a block are read ahead to tell; a block that reaches either limit without one of the
 * four names is text.
 */
VELLUM62_EXPORT int32_t txt2h(const char* title, const char* input_file, const char* output_file,
                              const char* header_file, const char* footer_file, const char* text_color,
                              const char* background_color, int32_t flags);

/*
 * c2h: source code or any text to a preformatted HTML page.
 *   input_file     text file to convert
 *   output_file    HTML file to write (created or truncated)
 *   margin_spaces  spaces written in front of every line (0 or less: none)
 *   tab_spaces     spaces that replace every tab character (0 or less: tabs are removed)
 * Returns VELLUM62_DONE, VELLUM62_INPUT_NOT_OPENED, VELLUM62_OUTPUT_NOT_OPENED or
 * VELLUM62_INPUT_IS_BINARY.
 */
VELLUM62_EXPORT int32_t c2h(const char* input_file, const char* output_file, int32_t margin_spaces,
                            int32_t tab_spaces);
/* c2h with flags: VELLUM62_UTF8, VELLUM62_DECLARE_CHARSET. c2h(...) is c2h_ex(..., 0). */
VELLUM62_EXPORT int32_t c2h_ex(const char* input_file, const char* output_file, int32_t margin_spaces,
                               int32_t tab_spaces, int32_t flags);

/*
 * datalist: a data file, or nothing, to an ordered or unordered HTML list.
 *   input_file      data file; opened only when list_source is VELLUM62_LIST_FROM_FILE
 *   output_file     HTML file to write (created or truncated)
 *   ordered         nonzero: ordered list (<ol>); zero: unordered list (<ul>)
 *   list_type       type attribute: unordered 1 "disc", 2 "circle", 3 "square";
 *                   ordered 2 "i", 3 "I", 4 "a", 5 "A"; 0, ordered 1, and any other value: none
 *   list_source     VELLUM62_LIST_FROM_FILE, VELLUM62_NUMBERED_BLANK_LIST, or anything else
 *                   for a blank list with empty items
 *   item_count      number of items of a blank list; not read for a list from a file
 *   start_number    first number of an ordered blank list; not read for a list from a file
 *   item_separator  how items are delimited in the data file: VELLUM62_ITEMS_BY_LINE,
 *                   _BY_BLANK_LINE, _BY_NUMERAL or _BY_ASTERISK; any other value starts no item
 *   html_wrapper    nonzero: write a complete page around the list
 *   center_list     nonzero: centre the list on the page
 * Returns the number of items written (0 or more; a blank list with a count of 0 or less
 * writes none and returns 0), VELLUM62_INPUT_NOT_OPENED or VELLUM62_INPUT_IS_BINARY (list from a
 * file only) or VELLUM62_OUTPUT_NOT_OPENED. Numbered items of an ordered list are read twice (the
 * first time for the start number); an input that cannot be read again gives
 * VELLUM62_INPUT_NOT_OPENED, with the list's opening tag written and no items.
 */
VELLUM62_EXPORT int32_t datalist(const char* input_file, const char* output_file, int32_t ordered,
                                 int32_t list_type, int32_t list_source, int32_t item_count,
                                 int32_t start_number, int32_t item_separator, int32_t html_wrapper,
                                 int32_t center_list);
/* datalist with flags: VELLUM62_UTF8, VELLUM62_DECLARE_CHARSET, VELLUM62_ESCAPE_DATA.
 * datalist(...) is datalist_ex(..., 0). */
VELLUM62_EXPORT int32_t datalist_ex(const char* input_file, const char* output_file, int32_t ordered,
                                    int32_t list_type, int32_t list_source, int32_t item_count,
                                    int32_t start_number, int32_t item_separator, int32_t html_wrapper,
                                    int32_t center_list, int32_t flags);

/*
 * reg_tbl: a delimited data file to an HTML table, one row per non-empty line.
 *   input_file        data file
 *   output_file       HTML file to write (created or truncated)
 *   separator_char    code of the byte that separates cells (9 tab, 32 space, 44 comma, ...);
 *                     with 32, tabs separate too
 *   padding_spaces    "&nbsp;" copies written before and after each data cell's content:
 *                     0 none, below 0 one copy, above 42 forty-two copies
 *   html_wrapper      nonzero: write a complete page around the table
 *   center_text       nonzero: centre the text of non-numeric data cells
 *   center_table      nonzero: centre the table on the page
 *   text_color        cell text colour, written as given; empty: none
 *   background_color  table background colour, written as given; empty: none
 *   table_width       table width; -1: no width attribute
 *   width_in_pixels   nonzero: table_width is in pixels; zero: a percentage
 *   border            border width; -1: no attribute
 *   cellpadding       cell padding; -1: no attribute
 *   cellspacing       cell spacing; -1: no attribute
 * Returns rows * VELLUM62_ROW_FACTOR + columns (rows written and the largest number of cells
 * in a row), VELLUM62_INPUT_NOT_OPENED, VELLUM62_OUTPUT_NOT_OPENED or VELLUM62_INPUT_IS_BINARY.
 * A table of 100 columns or more cannot be told apart from one with another row by this code
 * alone: reg_tbl_sized gives both counts.
 */
VELLUM62_EXPORT int32_t reg_tbl(const char* input_file, const char* output_file, int32_t separator_char,
                                int32_t padding_spaces, int32_t html_wrapper, int32_t center_text,
                                int32_t center_table, const char* text_color, const char* background_color,
                                int32_t table_width, int32_t width_in_pixels, int32_t border,
                                int32_t cellpadding, int32_t cellspacing);
/* reg_tbl with flags: VELLUM62_UTF8, VELLUM62_DECLARE_CHARSET, VELLUM62_CSV_QUOTES,
 * VELLUM62_ESCAPE_DATA. With VELLUM62_CSV_QUOTES a row is a record, which may span several lines.
 * reg_tbl(...) is reg_tbl_ex(..., 0). */
VELLUM62_EXPORT int32_t reg_tbl_ex(const char* input_file, const char* output_file, int32_t separator_char,
                                   int32_t padding_spaces, int32_t html_wrapper, int32_t center_text,
                                   int32_t center_table, const char* text_color, const char* background_color,
                                   int32_t table_width, int32_t width_in_pixels, int32_t border,
                                   int32_t cellpadding, int32_t cellspacing, int32_t flags);
/* reg_tbl_ex that also gives the table's size: when the call returns 0 or more (it wrote a table),
 * *rows gets the number of rows written and *columns the largest number of cells in a row, each
 * only when the pointer is not NULL. On any other result neither is written. The result is that of
 * reg_tbl_ex, so a table beyond the 32-bit packed range still has its counts here. */
VELLUM62_EXPORT int32_t reg_tbl_sized(const char* input_file, const char* output_file, int32_t separator_char,
                                      int32_t padding_spaces, int32_t html_wrapper, int32_t center_text,
                                      int32_t center_table, const char* text_color,
                                      const char* background_color, int32_t table_width,
                                      int32_t width_in_pixels, int32_t border, int32_t cellpadding,
                                      int32_t cellspacing, int32_t flags, int64_t* rows, int64_t* columns);

/*
 * The calls with the settings of an HTML5 page: each is the call named before "_html5" (txt2h,
 * c2h_ex, datalist_ex, reg_tbl_sized) with `page` added last. `page` is read only when `flags` holds
 * VELLUM62_HTML5; txt2h_html5(..., flags, NULL) is txt2h(..., flags), and so on.
 */
VELLUM62_EXPORT int32_t txt2h_html5(const char* title, const char* input_file, const char* output_file,
                                    const char* header_file, const char* footer_file, const char* text_color,
                                    const char* background_color, int32_t flags, const vellum62_html5_page* page);
VELLUM62_EXPORT int32_t c2h_html5(const char* input_file, const char* output_file, int32_t margin_spaces,
                                  int32_t tab_spaces, int32_t flags, const vellum62_html5_page* page);
VELLUM62_EXPORT int32_t datalist_html5(const char* input_file, const char* output_file, int32_t ordered,
                                       int32_t list_type, int32_t list_source, int32_t item_count,
                                       int32_t start_number, int32_t item_separator, int32_t html_wrapper,
                                       int32_t center_list, int32_t flags, const vellum62_html5_page* page);
VELLUM62_EXPORT int32_t reg_tbl_html5(const char* input_file, const char* output_file, int32_t separator_char,
                                      int32_t padding_spaces, int32_t html_wrapper, int32_t center_text,
                                      int32_t center_table, const char* text_color,
                                      const char* background_color, int32_t table_width,
                                      int32_t width_in_pixels, int32_t border, int32_t cellpadding,
                                      int32_t cellspacing, int32_t flags, int64_t* rows, int64_t* columns,
                                      const vellum62_html5_page* page);

/*
 * c2h_colored: c2h_html5 with, on request, the code coloured by its language and its lines
 * numbered; it also says what became of the colouring. A classic page (flags without
 * VELLUM62_HTML5) is written exactly as c2h_ex writes it, and an HTML5 page without options
 * exactly as c2h_html5 writes it.
 *   language           a language ("c", "cpp", "python", "javascript", "bash", "java", "go",
 *                      "rust", "json", "css", "html") or an extension it goes by ("h", "cc", "hpp",
 *                      "py", "js", "mjs", "sh", "rs"); NULL or empty: the extension of input_file's
 *                      name, or for a name without a known one a first line "#!" that runs sh or bash
 *   options            VELLUM62_COLOR_CODE: colour the code;
 *                      VELLUM62_LINE_NUMBERS: each line is a <span class="line"> that the stylesheet
 *                      numbers in front of it; the numbers are not part of the text, so selecting
 *                      and copying the code leaves them out
 *   coloring           when not NULL, gets VELLUM62_COLORED or one of the VELLUM62_NOT_COLORED_*
 *                      reasons below
 *   language_used      when not NULL and language_used_size > 0, gets the language the page was
 *                      (or would have been) coloured as, NUL-terminated and cut to fit; "" when no
 *                      language was found. 16 bytes hold every name.
 * In a coloured page every token the language's highlight query captures is a
 * <span class="NAME"> named after its capture with dashes for dots ("keyword", "string",
 * "function-builtin"); spans never cross a line end and the visible text is the uncoloured page's.
 * Colouring parses the whole input at once, in a process of its own with its own limits, so that
 * no input can take the caller down with it. An input of more than 4 MiB (as UTF-8), with a line
 * of more than 64 KiB or brackets nested more than 4096 deep, or whose colouring takes more than
 * a few seconds or too much memory, is written uncoloured (VELLUM62_NOT_COLORED_TOO_LARGE).
 * Returns what c2h_html5 returns.
 */
#define VELLUM62_LINE_NUMBERS 1
#define VELLUM62_COLOR_CODE 2

#define VELLUM62_COLORED 0                       /* coloured as language_used says */
#define VELLUM62_NOT_COLORED_UNKNOWN_LANGUAGE 1  /* no language known: an uncoloured page */
#define VELLUM62_NOT_COLORED_TOO_LARGE 2         /* beyond the size, time or memory limit: uncoloured */
#define VELLUM62_NOT_COLORED_CLASSIC 3           /* no VELLUM62_HTML5 (or no page written) */
#define VELLUM62_NOT_COLORED_NOT_ASKED 4         /* no VELLUM62_COLOR_CODE */

VELLUM62_EXPORT int32_t c2h_colored(const char* input_file, const char* output_file, int32_t margin_spaces,
                                    int32_t tab_spaces, int32_t flags, const vellum62_html5_page* page,
                                    const char* language, int32_t options, int32_t* coloring,
                                    char* language_used, int32_t language_used_size);

/* Types of the calls, for callers that bind them at run time (dlopen and dlsym). */
typedef int32_t (*vellum62_txt2h_fn)(const char*, const char*, const char*, const char*, const char*,
                                     const char*, const char*, int32_t);
typedef int32_t (*vellum62_c2h_fn)(const char*, const char*, int32_t, int32_t);
typedef int32_t (*vellum62_datalist_fn)(const char*, const char*, int32_t, int32_t, int32_t, int32_t, int32_t,
                                        int32_t, int32_t, int32_t);
typedef int32_t (*vellum62_reg_tbl_fn)(const char*, const char*, int32_t, int32_t, int32_t, int32_t, int32_t,
                                       const char*, const char*, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*vellum62_c2h_ex_fn)(const char*, const char*, int32_t, int32_t, int32_t);
typedef int32_t (*vellum62_datalist_ex_fn)(const char*, const char*, int32_t, int32_t, int32_t, int32_t,
                                           int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*vellum62_reg_tbl_ex_fn)(const char*, const char*, int32_t, int32_t, int32_t, int32_t,
                                          int32_t, const char*, const char*, int32_t, int32_t, int32_t,
                                          int32_t, int32_t, int32_t);
typedef int32_t (*vellum62_reg_tbl_sized_fn)(const char*, const char*, int32_t, int32_t, int32_t, int32_t,
                                             int32_t, const char*, const char*, int32_t, int32_t, int32_t,
                                             int32_t, int32_t, int32_t, int64_t*, int64_t*);

typedef int32_t (*vellum62_txt2h_html5_fn)(const char*, const char*, const char*, const char*, const char*,
                                           const char*, const char*, int32_t, const vellum62_html5_page*);
typedef int32_t (*vellum62_c2h_html5_fn)(const char*, const char*, int32_t, int32_t, int32_t,
                                         const vellum62_html5_page*);
typedef int32_t (*vellum62_datalist_html5_fn)(const char*, const char*, int32_t, int32_t, int32_t, int32_t,
                                              int32_t, int32_t, int32_t, int32_t, int32_t,
                                              const vellum62_html5_page*);
typedef int32_t (*vellum62_reg_tbl_html5_fn)(const char*, const char*, int32_t, int32_t, int32_t, int32_t,
                                             int32_t, const char*, const char*, int32_t, int32_t, int32_t,
                                             int32_t, int32_t, int32_t, int64_t*, int64_t*,
                                             const vellum62_html5_page*);

typedef int32_t (*vellum62_c2h_colored_fn)(const char*, const char*, int32_t, int32_t, int32_t,
                                           const vellum62_html5_page*, const char*, int32_t, int32_t*, char*,
                                           int32_t);

#ifdef __cplusplus
}
#endif

#endif /* VELLUM62_H */
