// Scale of a mode shape as the outputs give it: its largest translation
// component over the user's nodes is +1; where no user node translates,
// its largest rotation is +1 (the first one, in node order and X before Y,
// on a tie).
#pragma once

#include <Eigen/Dense>

// u: 3N global displacements of the user's nodes (X, Y, rotation each).
// The factor that scales it so (1 for a mode that moves nothing).
double factorDeModo(const Eigen::VectorXd& u);
