#pragma once
// Whether a unit or category name could be taken for the words and signs
// that queries are written with: "2 to pints" must keep its "to", and the
// target "ft+in" its "+", whatever the user has called a custom unit. New
// custom names that clash are refused (the Custom page says why); one that
// a profile already holds still loads, and is then matched only as written,
// in its exact case (unit_lookup.h), never as a word of a longer query.
//
//   GrammarClashOf("To")        -> Word      ("to", "in", "per", "nach", any case)
//   GrammarClashOf("Ft+in")     -> Sign      (any of + ; * / ^ ( ))
//   GrammarClashOf("1e3")       -> Number    (what reads whole as a number: "12", "-1.5", "2,5")
//   GrammarClashOf("Span")      -> None
//
// For new custom names only: built-in names such as "Miles/hour" or
// "Free fall (g)" hold signs, and are the catalogue's own.
#include <string_view>

enum class GrammarClash {
    None,
    Word,    // the whole name, blanks around it aside, is a word of the grammar
    Sign,    // it holds one of the grammar's signs
    Number,  // it reads, whole, as a number
};

// `name` in Windows-1252 (UTF-8 gives the same answer: every sign and word is ASCII).
GrammarClash GrammarClashOf(std::string_view name);
