int héllo = wörld + 1; // été
