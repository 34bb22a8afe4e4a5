	int	x;
		if (x) return 1;
