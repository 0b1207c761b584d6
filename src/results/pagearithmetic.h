#pragma once

// The result pages: twelve offers each, counted in 32-bit whole numbers.
namespace pagearithmetic {

constexpr int CeldasPorPagina = 12;

// The pages that `n` offers fill, the smallest whole number not below n / 12;
// also the 1-based page that holds the offer at 1-based position `n`.
int NumeroPaginas(int n);

// A 0-based page index brought within the `paginas` pages there are.
int dentroDe(int pagina, int paginas);

} // namespace pagearithmetic
