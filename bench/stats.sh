# Shared by the benchmarks; sourced, not run. Each reads numbers on standard input, one a line; blank
# lines (a round that measured nothing) are left out.

# Least, median and most, each divided by the argument (default 1), to two places: "a / b / c".
spread() {
  sort -n | awk -v by="${1:-1}" 'NF {v[++n] = $1 / by}
    END {if (n) printf "%.2f / %.2f / %.2f", v[1], v[int((n + 1) / 2)], v[n]}'
}

# The median, as it is.
median() {
  sort -n | awk 'NF {v[++n] = $1} END {if (n) print v[int((n + 1) / 2)]}'
}
