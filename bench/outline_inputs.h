// The generated inputs of the outline benchmark: a multi-file thesis and a
// BibTeX database, the same bytes on every machine (the generator draws
// from a fixed-seed engine and maps its numbers itself, since the standard
// distributions differ between libraries). Plain ASCII, so every code page
// decodes it alike and the other parsers read the very same text.
#pragma once
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace outline_inputs {

struct GeneratedFile {
    std::string name; // relative, "/" separated
    std::string text;
};

// What the generator wrote, for checking a scan's lists.
struct Counts {
    size_t sectioning = 0; // \chapter, \section, \subsection, \paragraph
    size_t labels = 0;
    size_t bibEntries = 0;
};

struct Thesis {
    std::vector<GeneratedFile> files; // the root first; the .bib last
    Counts counts;
    std::string rootName = "thesis.tex";
    std::string bibName = "refs.bib";
};

namespace detail {

class Draw {
public:
    explicit Draw(uint32_t seed) : rng_(seed) {}
    uint32_t below(uint32_t n) { return n ? static_cast<uint32_t>(rng_() % n) : 0; }

private:
    std::mt19937 rng_;
};

inline const char* const Words[] = {
    "the", "of", "a", "we", "model", "which", "is", "in", "this", "section", "show", "that", "for",
    "data", "results", "method", "approach", "analysis", "set", "function", "given", "by", "with",
    "bound", "estimate", "sample", "error", "value", "observe", "under", "assumption", "theorem",
    "follows", "from", "where", "each", "term", "converges", "to", "limit", "as", "and", "on",
    "large", "small", "structure", "parameter", "space", "linear", "operator", "proof", "case"};
constexpr uint32_t WordCount = sizeof(Words) / sizeof(Words[0]);

inline std::string number(size_t n, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*zu", width, n);
    return buf;
}

inline std::string citeKey(uint32_t i) { return "ref" + number(i, 5); }

// One paragraph of prose: lines of about 72 characters with inline math,
// citations, references to earlier labels, escaped percent signs and
// comments (whole-line and trailing).
inline void paragraph(Draw& d, std::string& out, const std::vector<std::string>& labels, uint32_t bibEntries) {
    const uint32_t lines = 4 + d.below(5);
    for (uint32_t l = 0; l < lines; ++l) {
        if (d.below(12) == 0) {
            out += "% TODO: check the \\label{old} and \\section{draft} wording here\n";
            continue;
        }
        size_t start = out.size();
        while (out.size() - start < 72) {
            uint32_t r = d.below(40);
            if (r == 0) {
                out += "\\cite{" + citeKey(d.below(bibEntries)) + "} ";
            } else if (r == 1 && !labels.empty()) {
                out += "\\ref{" + labels[d.below(static_cast<uint32_t>(labels.size()))] + "} ";
            } else if (r == 2) {
                out += "$x_{" + std::to_string(d.below(9)) + "} + \\alpha^2$ ";
            } else if (r == 3) {
                out += std::to_string(d.below(100)) + "\\% ";
            } else if (r == 4) {
                out += "\\emph{" + std::string(Words[d.below(WordCount)]) + "} ";
            } else {
                out += Words[d.below(WordCount)];
                out += ' ';
            }
        }
        if (d.below(15) == 0) out += "% a note to self";
        out += '\n';
    }
    out += '\n';
}

inline void equation(Draw& d, std::string& out, const std::string& label) {
    out += "\\begin{equation}\n  f(x) = \\sum_{k=0}^{" + std::to_string(d.below(50)) +
           "} \\frac{x^k}{k!} + \\int_0^1 g(t)\\,dt\n";
    if (!label.empty()) out += "  \\label{" + label + "}\n";
    out += "\\end{equation}\n\n";
}

inline void figure(Draw& d, std::string& out, const std::string& label) {
    out += "\\begin{figure}[htbp]\n  \\centering\n  \\includegraphics[width=0.8\\textwidth]{fig/plot" +
           std::to_string(d.below(1000)) + "}\n  \\caption{The " + Words[d.below(WordCount)] + " of the " +
           Words[d.below(WordCount)] + " for several values}\n  \\label{" + label + "}\n\\end{figure}\n\n";
}

inline void table(Draw& d, std::string& out, const std::string& label) {
    out += "\\begin{table}[t]\n  \\caption{Measured " + std::string(Words[d.below(WordCount)]) +
           "}\n  \\label{" + label + "}\n  \\begin{tabular}{lrr}\n";
    for (int row = 0; row < 4; ++row)
        out += "    case " + std::to_string(row) + " & " + std::to_string(d.below(1000)) + " & " +
               std::to_string(d.below(1000)) + " \\\\\n";
    out += "  \\end{tabular}\n\\end{table}\n\n";
}

inline void itemize(Draw& d, std::string& out, const std::string& label) {
    out += "\\begin{enumerate}\n";
    for (int i = 0; i < 4; ++i) {
        out += "  \\item The " + std::string(Words[d.below(WordCount)]) + " " + Words[d.below(WordCount)];
        if (i == 1) out += " \\label{" + label + "}";
        out += "\n";
    }
    out += "\\end{enumerate}\n\n";
}

} // namespace detail

// chapters files of about 20 MB together (fillBytes of prose is asked
// for; each subsection ends its last paragraph past it), 113 labels each,
// included from the root with a preamble and an abstract pulled in by
// \input, and a database of bibEntries entries.
inline Thesis makeThesis(size_t chapters = 150, size_t fillBytes = size_t{19} << 20, uint32_t bibEntries = 10000) {
    using namespace detail;
    Thesis t;
    Draw d(20240601);
    const size_t sections = 7, subsections = 4;
    const size_t perSubsection = fillBytes / chapters / (sections * subsections);

    std::string root = "% The root of a generated thesis\n\\documentclass[12pt]{report}\n\\input{setup}\n"
                       "\\begin{document}\n\\input{abstract}\n\\tableofcontents\n";
    std::vector<GeneratedFile> chapterFiles;
    for (size_t c = 1; c <= chapters; ++c) {
        const std::string cn = number(c, 3);
        std::string text = "% Chapter " + cn + "\n\\chapter{Chapter " + cn + " on the " + Words[d.below(WordCount)] +
                           "}\n\\label{chap:" + cn + "}\n\n";
        std::vector<std::string> labels{"chap:" + cn};
        t.counts.sectioning += 1;
        for (size_t s = 1; s <= sections; ++s) {
            const std::string sn = cn + "." + std::to_string(s);
            text += "\\section{The " + std::string(Words[d.below(WordCount)]) + " part " + sn + "}\n\\label{sec:" +
                    sn + "}\n\n";
            labels.push_back("sec:" + sn);
            t.counts.sectioning += 1;
            for (size_t u = 1; u <= subsections; ++u) {
                const std::string un = sn + "." + std::to_string(u);
                const size_t start = text.size();
                const size_t k = (s - 1) * subsections + u; // 1..28 within the chapter
                text += "\\subsection*{Step " + un + "}\n\\label{subsec:" + un + "}\n\n";
                labels.push_back("subsec:" + un);
                t.counts.sectioning += 1;
                paragraph(d, text, labels, bibEntries);
                // 49 equations, 14 figures, 7 tables and 7 items per chapter.
                equation(d, text, "eq:" + un + "a");
                labels.push_back("eq:" + un + "a");
                if (k % 4 != 0) {
                    paragraph(d, text, labels, bibEntries);
                    equation(d, text, "eq:" + un + "b");
                    labels.push_back("eq:" + un + "b");
                }
                if (k % 2 == 0) {
                    figure(d, text, "fig:" + un);
                    labels.push_back("fig:" + un);
                }
                if (k % 4 == 1) {
                    table(d, text, "tab:" + un);
                    labels.push_back("tab:" + un);
                }
                if (k % 4 == 3) {
                    itemize(d, text, "item:" + un);
                    labels.push_back("item:" + un);
                }
                if (k % 7 == 0) {
                    text += "\\paragraph{Remark} ";
                    t.counts.sectioning += 1;
                }
                while (text.size() - start < perSubsection) {
                    paragraph(d, text, labels, bibEntries);
                    if (d.below(6) == 0) equation(d, text, ""); // unnumbered display
                }
            }
        }
        t.counts.labels += labels.size();
        const std::string name = "chapters/chap" + cn + ".tex";
        root += "\\include{chapters/chap" + cn + "}\n";
        chapterFiles.push_back({name, std::move(text)});
    }
    root += "\\bibliographystyle{plain}\n\\bibliography{refs}\n\\end{document}\n";

    t.files.push_back({t.rootName, std::move(root)});
    t.files.push_back({"setup.tex", "% Packages and macros\n\\usepackage{amsmath,graphicx}\n"
                                    "\\newcommand{\\R}{\\mathbb{R}} % the reals\n"});
    t.files.push_back({"abstract.tex", "\\begin{abstract}\nWe study the generated thesis.\n\\end{abstract}\n"});
    for (GeneratedFile& f : chapterFiles) t.files.push_back(std::move(f));

    // The database: a few @string macros and a @comment, then entries of
    // four types with quoted and braced values, nested braces and accents.
    std::string bib = "% Generated database\n@string{jmath = \"Journal of Generated Mathematics\"}\n"
                      "@string{proc = {Proceedings of the Generated Conference}}\n"
                      "@comment{entries below are not real}\n\n";
    const char* const types[] = {"article", "book", "inproceedings", "misc"};
    const char* const names[] = {"M{\\\"u}ller, Anna", "Smith, John", "van der Berg, Kees", "Dupont, Fran{\\c{c}}ois",
                                 "Tanaka, Yuki", "O'Brien, Sean"};
    for (uint32_t i = 0; i < bibEntries; ++i) {
        const char* type = types[d.below(4)];
        bib += "@" + std::string(type) + "{" + citeKey(i) + ",\n";
        bib += "  author = {" + std::string(names[d.below(6)]) + " and " + names[d.below(6)] + "},\n";
        bib += "  title = {On the {" + std::string(Words[d.below(WordCount)]) + "} of " + Words[d.below(WordCount)] +
               " " + Words[d.below(WordCount)] + " in {$L^2$} spaces},\n";
        if (type[0] == 'a') bib += "  journal = jmath,\n  volume = " + std::to_string(1 + d.below(60)) + ",\n";
        else if (type[0] == 'i') bib += "  booktitle = proc,\n";
        else if (type[0] == 'b') bib += "  publisher = \"Generated Press\",\n  address = {Berlin},\n";
        bib += "  year = " + std::to_string(1950 + d.below(75)) + ",\n";
        bib += "  pages = {" + std::to_string(d.below(500)) + "--" + std::to_string(500 + d.below(500)) + "},\n";
        bib += "  doi = {10." + std::to_string(1000 + d.below(9000)) + "/gen." + std::to_string(i) + "},\n";
        bib += "  note = \"See also \\cite{" + citeKey(d.below(bibEntries)) + "}\"\n}\n\n";
    }
    t.counts.bibEntries = bibEntries;
    t.files.push_back({t.bibName, std::move(bib)});
    return t;
}

} // namespace outline_inputs
