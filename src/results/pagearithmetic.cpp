#include "results/pagearithmetic.h"

#include <algorithm>

#include "catalogue/regional.h"

namespace pagearithmetic {

int NumeroPaginas(int n)
{
    // n / 12 to the nearest whole number, then one more when that falls short.
    int paginas = static_cast<int>(catalogue::nearestEven(static_cast<double>(n) / CeldasPorPagina));
    if (n % CeldasPorPagina != 0 && static_cast<long long>(paginas) * CeldasPorPagina < n)
        ++paginas;
    return paginas;
}

int dentroDe(int pagina, int paginas)
{
    return std::clamp(pagina, 0, std::max(paginas - 1, 0));
}

} // namespace pagearithmetic
