// todo
