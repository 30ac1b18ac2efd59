#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"

namespace quillstat {

// The rows of documents and components that embed code of other languages
// (embedded_regions.h): their own rules read what lies outside that code.

namespace {

// A single-file component: the template is HTML, and <script> and <style>
// hold code of the languages their lang attributes name, read by their own
// rows. A <script> or <style> of a language without a row is raw text, code
// to the component, as HTML's.
constexpr exactRules kComponentRules{
    .blockComments = {{"<!--", "-->"}},
    .literals = {{"<script", "</script", escapeRule::none},
                 {"<style", "</style", escapeRule::none}},
};

constexpr languageRow kVue{
    .name = "Vue",
    .extensions = "*.vue",
    .rules = kComponentRules,
    .embeds = embedding::htmlTags,
};

// A {...} expression of the template is code, as the markup around it.
constexpr languageRow kSvelte{
    .name = "Svelte",
    .extensions = "*.svelte",
    .rules = kComponentRules,
    .embeds = embedding::htmlTags,
};

// Prose is text, each of its lines a code line: nothing in it opens a
// comment but <!-- -->, and a code span (`...`, up to its line's end) or a
// backslash hides one. Fenced code blocks are read by their languages' rows.
constexpr languageRow kMarkdown{
    .name = "Markdown",
    .extensions = "*.md;*.markdown",
    .rules =
        {
            .blockComments = {{"<!--", "-->"}},
            .literals = {{"`", "`", escapeRule::none, true}},
            .plainTokens = {"\\`", "\\<"},
        },
    .embeds = embedding::markdownFences,
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {94, entryOf<kVue>()},
    {95, entryOf<kSvelte>()},
    {96, entryOf<kMarkdown>()},
};

}  // namespace

constinit const std::span<const placedEntry> documentsEntries = kPlaced;

}  // namespace quillstat
